#pragma once
// Message boxes on screen: QMessageBox with the caption "MV52", the buttons and icon asked; a
// detail (a failure's cause and what to try) shows below the message.

#include <QWidget>
#include <functional>
#include <string>

#include "system/prompter.h"
#include "lang/language.h"

namespace mv52 {

class QtPrompter final : public DetailPrompter {
public:
    // `owner` names the window a box belongs to; by default the active modal window, else
    // the active window.
    explicit QtPrompter(std::function<QWidget*()> owner = {}, std::function<LanguageIndex()> language = {});

    PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    PromptAnswer askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                               MessageIcon icon) override;

private:
    std::function<QWidget*()> owner_;
    std::function<LanguageIndex()> language_;  // of the button captions; English when empty
};

// The windows' error convention (system/prompter.h) with the on-screen message box, for windows that have no prompter of their own.
void trapFailures(const char* procedure, const std::function<void()>& body) noexcept;

}  // namespace mv52
