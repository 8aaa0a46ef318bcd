#include "cli/console_prompter.h"

#include <ostream>

#include "document/workspace.h"
#include "lang/messages.h"

namespace mv52::cli {
namespace {

// CR LF inside a message reads as one line break on a terminal.
std::string forTerminal(std::string text) {
    for (std::size_t p; (p = text.find("\r\n")) != std::string::npos;) text.erase(p, 1);
    return text;
}

}  // namespace

PromptAnswer ConsolePrompter::askWithDetail(const std::string& text, const std::string& detail,
                                           MessageButtons buttons, MessageIcon icon) {
    detail_ = detail;
    const PromptAnswer answer = ask(text, buttons, icon);
    detail_.clear();
    return answer;
}

PromptAnswer ConsolePrompter::ask(const std::string& text, MessageButtons buttons, MessageIcon) {
    // Printed after the message's own line, whatever the answer.
    struct DetailAfter {
        std::ostream& err;
        const std::string& detail;
        ~DetailAfter() {
            if (!detail.empty()) err << forTerminal(detail) << "\n";
        }
    } detailAfter{err_, detail_};
    const bool confirmation = text == messageText(MessageKey::MsgConfirmRead, language_) ||
                              text == messageText(MessageKey::MsgConfirmWrite, language_);
    const bool connection = text == messageText(MessageKey::MsgCheckConnection, language_);
    if (confirmation) return PromptAnswer::Ok;
    if (text == completionText(CommOperation::Read, language_) ||
        text == completionText(CommOperation::Write, language_) ||
        text == messageText(MessageKey::MsgWriteVerified, language_)) {
        out_ << forTerminal(text) << "\n";
        return PromptAnswer::Ok;
    }
    err_ << forTerminal(text);
    if (connection) {
        const bool again = retriesLeft_ > 0;
        if (again) --retriesLeft_;
        const PromptAnswer yes = buttons == MessageButtons::RetryCancel ? PromptAnswer::Retry : PromptAnswer::Ok;
        err_ << (again ? (yes == PromptAnswer::Retry ? " [Retry]" : " [OK]") : " [Cancel]") << "\n";
        return again ? yes : PromptAnswer::Cancel;
    }
    switch (buttons) {
        case MessageButtons::YesNo:
            err_ << " [No]\n";
            return PromptAnswer::No;
        case MessageButtons::YesNoCancel:
        case MessageButtons::OkCancel:
        case MessageButtons::RetryCancel:
            err_ << " [Cancel]\n";
            return PromptAnswer::Cancel;
        case MessageButtons::Ok: break;
    }
    err_ << "\n";
    return PromptAnswer::Ok;
}

}  // namespace mv52::cli
