#include "tones/roger_beep.h"

#include <algorithm>
#include <initializer_list>

#include "data/image_fields.h"
#include "data/radio_image.h"

namespace mv52 {
namespace {

constexpr std::uint32_t kRogerImageBase = 0x4900;

// Tones in Hz and a common length in ms; a frequency of 0 is a pause.
RogerBeepEntry makeEntry(std::initializer_list<int> hz, int ms) {
    RogerBeepEntry e;
    int tone = 1;
    for (int f : hz) {
        e.toneFreq(tone) = static_cast<std::int16_t>(f / 10);
        e.toneLength(tone) = static_cast<std::int16_t>(ms / 10);
        ++tone;
    }
    e.recycleTimes() = 1;
    e.interTime() = 0;
    return e;
}

// Byte layout of one entry: recycle times, inter time, 14 frequencies, 14 lengths.
template <class Mapper>
void mapEntry(Mapper& io, std::uint32_t base, RogerBeepEntry& e) {
    io.byte(base, e.recycleTimes());
    io.byte(base + 1, e.interTime());
    for (int i = 1; i <= kRogerTonesPerEntry; ++i) {
        io.byte(base + 1 + static_cast<std::uint32_t>(i), e.toneFreq(i));
        io.byte(base + 15 + static_cast<std::uint32_t>(i), e.toneLength(i));
    }
}

}  // namespace

void resetRogerBeepDefaults(RogerBeepTable& table) {
    table[0] = makeEntry({2100, 0, 2100, 0, 2100, 0, 2100}, 100);
    table[1] = makeEntry({800, 0, 800, 0, 800, 0, 800, 0, 800, 0, 800, 0, 800, 0}, 40);
    table[2] = makeEntry({1700, 900, 1700, 900, 1700, 900, 1700}, 30);
    table[3] = makeEntry({640, 940, 1340, 1630, 1920}, 60);
    table[4] = makeEntry({1500, 700, 1500, 700, 1500, 700}, 200);
    for (int n = 6; n <= kRogerEntryCount; ++n) table[static_cast<std::size_t>(n - 1)] = RogerBeepEntry{};
}

int validRogerEntry(const RogerBeepTable& table, int n) {
    if (n < 1 || n > kRogerEntryCount) return 0;
    const RogerBeepEntry& e = table[static_cast<std::size_t>(n - 1)];
    if (e.recycleTimes() < 1) return 0;
    for (int i = 1; i <= kRogerTonesPerEntry; ++i)
        if (e.toneLength(i) > 0) return n;
    return 0;
}

int countValidRogerEntries(const RogerBeepTable& table) {
    int count = 0;
    for (int n = 1; n <= kRogerEntryCount; ++n)
        if (validRogerEntry(table, n) != 0) ++count;
    return count;
}

std::vector<int> validRogerEntries(const RogerBeepTable& table) {
    std::vector<int> valid;
    for (int n = 1; n <= kRogerEntryCount; ++n)
        if (validRogerEntry(table, n) != 0) valid.push_back(n);
    return valid;
}

std::uint32_t rogerEntryImageAddress(int n) {
    const auto k = static_cast<std::uint32_t>(n - 1);
    return kRogerImageBase + (k / 2) * 64 + (k % 2) * 30;
}

void packRogerBeepTable(const RogerBeepTable& table, RadioImage& image) {
    ImagePacker io(image);
    RogerBeepTable copy = table;
    for (int n = 1; n <= kRogerEntryCount; ++n)
        mapEntry(io, rogerEntryImageAddress(n), copy[static_cast<std::size_t>(n - 1)]);
}

void unpackRogerBeepTable(RogerBeepTable& table, const RadioImage& image) {
    ImageUnpacker io(image);
    for (int n = 1; n <= kRogerEntryCount; ++n)
        mapEntry(io, rogerEntryImageAddress(n), table[static_cast<std::size_t>(n - 1)]);
}

}  // namespace mv52
