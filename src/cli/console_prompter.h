#pragma once
// Message boxes on the command line. The command itself is the confirmation; a connection
// prompt is answered Retry (or OK) as many times as --retry allows, then Cancel; a version
// question is answered No. Every message is printed, the completion text on standard output
// and everything else on standard error.

#include <iosfwd>

#include "system/prompter.h"
#include "lang/language.h"

namespace mv52::cli {

class ConsolePrompter final : public DetailPrompter {
public:
    ConsolePrompter(std::ostream& out, std::ostream& err, LanguageIndex language, int retries)
        : out_(out), err_(err), language_(language), retriesLeft_(retries) {}

    PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    // The detail (a failure's cause and what to try) follows the message's line.
    PromptAnswer askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                               MessageIcon icon) override;

private:
    std::string detail_;
    std::ostream& out_;
    std::ostream& err_;
    LanguageIndex language_;
    int retriesLeft_;
};

}  // namespace mv52::cli
