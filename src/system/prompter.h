#pragma once
// Message boxes, seen from the core: a text, the buttons and icon, and the button pressed.
// The caption is always the application title "MV52".

#include <functional>
#include <string>

namespace mv52 {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Question, Warning, Error };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;
};

// A prompter that can carry a further text, shown on request below the message (the
// system's reason for a failure).
class DetailPrompter : public Prompter {
public:
    virtual PromptAnswer askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                                       MessageIcon icon) = 0;
};

// The windows' error convention: a handler traps its own failure and shows a message box
// whose whole text is the handler's name; nothing escapes into the event loop.
void trapFailures(Prompter& prompter, const char* procedure, const std::function<void()>& body) noexcept;

}  // namespace mv52
