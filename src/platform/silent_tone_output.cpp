#include "platform/silent_tone_output.h"

namespace mv52 {

void SilentToneOutput::sound(int, std::chrono::milliseconds length, std::function<void()> finished) {
    timer_.start(length, std::move(finished));
}

}  // namespace mv52
