#include "system/prompter.h"

namespace mv52 {

void trapFailures(Prompter& prompter, const char* procedure, const std::function<void()>& body) noexcept {
    try {
        body();
    } catch (...) {
        try {
            prompter.ask(procedure, MessageButtons::Ok, MessageIcon::None);
        } catch (...) {
            // Nothing more can be shown.
        }
    }
}

}  // namespace mv52
