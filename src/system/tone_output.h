#pragma once
// A sound device, seen from the core: it sounds one step of a tune at a time and says when
// the step is over, so that the player never waits itself.

#include <chrono>
#include <functional>

namespace mv52 {

class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    // Sounds `frequencyHz` for `length` (silence for 0 Hz), then calls `finished` on the
    // user-interface thread; never inside sound() itself. A step follows the previous one
    // without a gap when it is given from that step's `finished`.
    virtual void sound(int frequencyHz, std::chrono::milliseconds length, std::function<void()> finished) = 0;
    // Ends the sound at once; the pending `finished` is dropped.
    virtual void stop() = 0;
    // False when no sound device is behind it: steps keep their time in silence.
    virtual bool audible() const { return true; }
};

}  // namespace mv52
