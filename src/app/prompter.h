#pragma once
// Message boxes, seen from the core: a text, the buttons and icon, and the button pressed.
// The caption is always the application title "MV52".

#include <string>

#include "lang/messages.h"

namespace mv52 {

enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace mv52
