#pragma once
// The eight roger-beep entries as the document stores them.

#include <array>
#include <cstdint>

namespace mv52 {

constexpr int kRogerEntryCount = 8;
constexpr int kRogerTonesPerEntry = 14;

// One entry as stored: tones 1-14 as (frequency in 10 Hz, length in 10 ms) pairs, then
// `recycleTimes` and `interTime` (10 ms).
struct RogerBeepEntry {
    std::array<std::int16_t, 30> values{};

    std::int16_t& toneFreq(int tone) { return values.at(static_cast<std::size_t>(2 * (tone - 1))); }
    std::int16_t& toneLength(int tone) {
        return values.at(static_cast<std::size_t>(2 * (tone - 1) + 1));
    }
    std::int16_t& recycleTimes() { return values[28]; }
    std::int16_t& interTime() { return values[29]; }
    std::int16_t toneFreq(int tone) const { return values.at(static_cast<std::size_t>(2 * (tone - 1))); }
    std::int16_t toneLength(int tone) const {
        return values.at(static_cast<std::size_t>(2 * (tone - 1) + 1));
    }
    std::int16_t recycleTimes() const { return values[28]; }
    std::int16_t interTime() const { return values[29]; }

    bool operator==(const RogerBeepEntry&) const = default;
};

using RogerBeepTable = std::array<RogerBeepEntry, kRogerEntryCount>;  // entry n at [n - 1]

}  // namespace mv52
