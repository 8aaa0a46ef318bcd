#pragma once
// Message boxes on screen: QMessageBox with the caption "MV52", the buttons and icon asked.

#include <QWidget>
#include <functional>
#include <string>

#include "app/prompter.h"
#include "lang/language.h"

namespace mv52 {

// A prompter that can carry a further text, shown on request below the message (the
// system's reason for a failure).
class DetailPrompter : public Prompter {
public:
    virtual PromptAnswer askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                                       MessageIcon icon) = 0;
};

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

// The windows' error convention: a handler traps its own failure and shows a message box
// whose whole text is the handler's name; nothing escapes into the event loop.
void trapFailures(Prompter& prompter, const char* procedure, const std::function<void()>& body) noexcept;
// The same with the on-screen message box, for windows that have no prompter of their own.
void trapFailures(const char* procedure, const std::function<void()>& body) noexcept;

}  // namespace mv52
