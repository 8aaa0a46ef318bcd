#pragma once
// The tone output without a sound device: each step lasts as long as it would sound, on a
// timer of the user-interface thread, so a tune keeps its timing where no audio exists.

#include "platform/qt_timer.h"
#include "system/tone_output.h"

namespace mv52 {

class SilentToneOutput final : public ToneOutput {
public:
    void sound(int frequencyHz, std::chrono::milliseconds length, std::function<void()> finished) override;
    void stop() override { timer_.stop(); }
    bool audible() const override { return false; }

private:
    QtOneShotTimer timer_;
};

}  // namespace mv52
