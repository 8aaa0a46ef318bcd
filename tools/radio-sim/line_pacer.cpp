#include "line_pacer.h"

#include <algorithm>

namespace mv52::sim {

LinePacer::LinePacer(unsigned baud, std::chrono::milliseconds delay)
    : byteTime_(baud == 0 ? Clock::duration::zero()
                          : std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud))),
      delay_(delay) {}

void LinePacer::received(std::uint64_t firstIndex, std::size_t count, Clock::time_point now) {
    chunkFirst_ = firstIndex;
    // Bytes written while earlier ones are still on the wire queue up behind them.
    chunkStart_ = std::max(now, inputFree_);
    inputFree_ = chunkStart_ + byteTime_ * static_cast<long long>(count);
}

LinePacer::Clock::time_point LinePacer::arrivedBy(std::uint64_t endIndex) const {
    const std::uint64_t n = endIndex > chunkFirst_ ? endIndex - chunkFirst_ : 0;
    return chunkStart_ + byteTime_ * static_cast<long long>(n);
}

std::vector<LinePacer::Clock::time_point> LinePacer::schedule(std::uint64_t endIndex, std::size_t length) {
    const Clock::time_point start = std::max(arrivedBy(endIndex) + delay_, outputFree_);
    std::vector<Clock::time_point> due(length);
    for (std::size_t i = 0; i < length; ++i) due[i] = start + byteTime_ * static_cast<long long>(i + 1);
    if (length > 0) outputFree_ = due.back();
    return due;
}

}  // namespace mv52::sim
