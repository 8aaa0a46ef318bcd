#pragma once
// A one-shot timer, seen from the core: the link's reply timer and the write's start timer.
// start() replaces any pending run; stop() cancels it. The callback runs on the thread that
// runs the user interface, never inside start().

#include <chrono>
#include <functional>

namespace mv52 {

class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    virtual void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

}  // namespace mv52
