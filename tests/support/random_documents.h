#pragma once
// Random documents and images for the tests that hold a property over many of them: every
// field of the header and of every channel position from random bytes (counts, channel
// numbers and frequencies mostly in their ranges, some anything at all), and images whose
// channel slots mostly hold decimal frequencies.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "channels/channel_slot.h"
#include "data/groups.h"
#include "document/document.h"
#include "data/radio_image.h"
#include "storage/data_file_layout.h"

namespace mv52::test {

// The same numbers on every compiler and library.
class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    unsigned below(unsigned n) { return static_cast<unsigned>(next() % n); }
    std::uint8_t byte() { return static_cast<std::uint8_t>(next()); }
    void fill(std::span<std::uint8_t> bytes) {
        for (std::size_t i = 0; i < bytes.size(); i += 8) {
            const std::uint64_t word = next();
            std::memcpy(bytes.data() + i, &word, std::min<std::size_t>(8, bytes.size() - i));
        }
    }

private:
    std::uint64_t state_;
};

// A receive frequency as documents may hold it: eight digits, fewer digits padded with spaces,
// erased, blank, cut by a NUL, or any bytes at all.
inline void randomFrequency(SplitMix& rng, FrequencyText& text) {
    auto& chars = text.bytes();
    const unsigned kind = rng.below(8);
    for (char& c : chars) c = static_cast<char>('0' + rng.below(10));
    if (kind == 1) {
        for (std::size_t i = 4 + rng.below(4); i < chars.size(); ++i) chars[i] = ' ';
    } else if (kind == 2) {
        text.set("FFFFFFFF");
    } else if (kind == 3) {
        text.set("");
    } else if (kind == 4) {
        chars[rng.below(8)] = '\0';
    } else if (kind == 5) {
        for (char& c : chars) c = static_cast<char>(rng.byte());
    } else if (kind == 6) {
        chars[rng.below(8)] = static_cast<char>("A.-9 fF"[rng.below(7)]);
    }
}

// Every field of the header and of every channel position from random bytes, read through the
// data-file layout, then counts and channel numbers mostly in their ranges.
inline void randomDocument(SplitMix& rng, Document& doc) {
    HeaderBytes header;
    rng.fill(header);
    readHeaderBytes(header, doc.header);
    for (auto& count : doc.header.channelCount.values)
        count = rng.below(10) == 0 ? static_cast<std::int16_t>(rng.next()) : static_cast<std::int16_t>(rng.below(100));
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kMaxGroups; ++g)
            for (int p = 1; p <= kSlotsPerGroup; ++p) {
                ChannelBytes bytes;
                rng.fill(bytes);
                ChannelRecord& r = doc.channels.slot(m, g, p);
                readChannelBytes(bytes, r);
                const int capacity = g <= groupCount(m) ? groupCapacity(m, g) : 40;
                if (rng.below(8) != 0) r.ChannelNumber = static_cast<std::int16_t>(rng.below(static_cast<unsigned>(capacity) + 8));
                if (rng.below(4) != 0) r.ScanAdd = static_cast<std::int16_t>(rng.below(2));
                randomFrequency(rng, r.RxFrequency);
            }
}

// Random bytes, with most channel slots holding a decimal frequency so that they decode.
inline void randomImage(SplitMix& rng, RadioImage& image) {
    rng.fill(image.bytes());
    forEachGroup([&](int m, int g) {
        for (int n = 1; n <= groupCapacity(m, g); ++n) {
            if (rng.below(10) < 3) continue;
            const std::uint32_t slot = slotAddress(m, g, n);
            for (std::uint32_t k = 0; k < 4; ++k)
                image.set(slot + k, static_cast<std::uint8_t>(rng.below(10) * 16 + rng.below(10)));
        }
    });
}

}  // namespace mv52::test
