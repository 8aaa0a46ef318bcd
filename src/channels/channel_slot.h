#pragma once
// Where a channel lives in the radio image (16-byte slot, presence bit, scan bit) and the
// conversion of one channel between document and image.

#include <cstdint>

namespace mv52 {

struct ChannelRecord;
class RadioImage;

struct BitPosition {
    std::uint32_t index;
    int bit;
    bool operator==(const BitPosition&) const = default;
};

// Slot of channel n (1..capacity) of (work mode, group).
std::uint32_t slotAddress(int workMode, int group, int n);
BitPosition presenceBit(int workMode, int group, int n);
BitPosition scanBit(int workMode, int group, int n);

// Where a group's channels live: checked once per group, so that the codecs, which visit every
// channel, do not work it out again for each.
struct GroupPlace {
    int workMode;
    int group;
    int capacity;            // channels 1..capacity have a slot
    std::uint32_t firstSlot;  // channel n at firstSlot + 16 (n - 1)
    std::uint32_t presence;  // bitmaps: channel n at bit (n - 1) from these bytes on
    std::uint32_t scan;
    bool vfo;
};
// Throws std::out_of_range for a group the work mode does not have.
GroupPlace groupPlace(int workMode, int group);

// Writes the record into its slot and sets its presence bit and, when `ScanAdd` is 1, its scan
// bit. A channel numbered above the group's capacity is skipped. Byte 15 is not written.
void encodeChannel(RadioImage& image, int workMode, int group, const ChannelRecord& record);
void encodeChannel(RadioImage& image, const GroupPlace& place, const ChannelRecord& record);

// Reads channel n of the group into `record` when the image holds it (present and with a
// frequency of eight decimal digits); false, with `record` untouched, when it does not.
// `TxFrequency` and the reserved fields keep the values the record held.
bool decodeChannel(const RadioImage& image, int workMode, int group, int n, ChannelRecord& record);
// Throws std::out_of_range for n outside 1..capacity.
bool decodeChannel(const RadioImage& image, const GroupPlace& place, int n, ChannelRecord& record);

}  // namespace mv52
