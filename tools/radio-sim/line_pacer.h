#pragma once
// Timing of the simulated serial line. A pseudo-terminal moves bytes at once; a real line
// moves one byte per ten bit times. The pacer tells when each request would have finished
// arriving and when each reply byte would have been sent, so that the program sees the
// timing of the real radio. With no baud rate it only adds the fixed delay.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mv52::sim {

class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    // `baud` 0 means no line timing.
    LinePacer(unsigned baud, std::chrono::milliseconds delay);

    // Ten bits per byte: start, eight data bits, stop.
    Clock::duration byteTime() const { return byteTime_; }

    // `count` input bytes, the first of them input byte number `firstIndex`, read at `now`.
    void received(std::uint64_t firstIndex, std::size_t count, Clock::time_point now);

    // When the input bytes before `endIndex` would all have arrived. `endIndex` must lie in
    // the chunk last passed to received().
    Clock::time_point arrivedBy(std::uint64_t endIndex) const;

    // The times at which each of `length` reply bytes is handed to the line, for a request
    // that ended at input byte `endIndex`: after the request has arrived, the fixed delay and
    // any reply still being sent.
    std::vector<Clock::time_point> schedule(std::uint64_t endIndex, std::size_t length);

private:
    Clock::duration byteTime_;
    Clock::duration delay_;
    std::uint64_t chunkFirst_ = 0;
    Clock::time_point chunkStart_{};  // when the chunk's first byte began to arrive
    Clock::time_point inputFree_{};   // when the line into the radio is idle again
    Clock::time_point outputFree_{};  // when the line out of the radio is idle again
};

}  // namespace mv52::sim
