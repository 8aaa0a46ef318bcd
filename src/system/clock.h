#pragma once
// The current date and time, seen from the core, so that tests can choose it.

#include <chrono>

namespace mv52 {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point now() const = 0;
};

class SystemClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override { return std::chrono::system_clock::now(); }
};

}  // namespace mv52
