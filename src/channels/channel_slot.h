#pragma once
// Where a channel lives in the radio image (16-byte slot, presence bit, scan bit) and the
// conversion of one channel between document and image.

#include <cstdint>

namespace mv52 {

struct ChannelRecord;
struct Document;
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

// Writes the record into its slot and sets its presence bit and, when `ScanAdd` is 1, its scan
// bit. A channel numbered above the group's capacity is skipped. Byte 15 is not written.
void encodeChannel(RadioImage& image, int workMode, int group, const ChannelRecord& record);

// Appends channel n of the group to the document when the image holds it (present and with a
// frequency of eight decimal digits). `TxFrequency` and the reserved fields keep the values
// the table position held.
void decodeChannel(Document& doc, const RadioImage& image, int workMode, int group, int n);

}  // namespace mv52
