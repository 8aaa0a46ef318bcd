#include "channels/channel_slot.h"

#include <stdexcept>
#include <string_view>

#include "document/channel_record.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/image_fields.h"
#include "data/radio_image.h"

namespace mv52 {
namespace {

constexpr std::uint32_t kVfoSlotCb = 18448;
constexpr std::uint32_t kVfoSlotHam = 18464;
constexpr int kToneInUseBit = 6;

void requireChannel(int workMode, int group, int n) {
    if (workMode < 0 || workMode > 1 || group < 1 || group > groupCount(workMode) || n < 1 ||
        n > groupCapacity(workMode, group))
        throw std::out_of_range("no channel slot for this work mode, group and number");
}

struct BitmapBases {
    std::uint32_t presence;
    std::uint32_t scan;
};

BitmapBases bitmapBases(int workMode, int group) {
    const auto g = static_cast<std::uint32_t>(group - 1);
    if (workMode == 0) {
        if (group == 16) return {23680, 23712};
        if (group == 17) return {18000, 18256};
        return {17920 + g * 5, 18176 + g * 5};
    }
    if (group == 13) return {23696, 23728};
    if (group == 14) return {18113, 18369};
    return {18048 + g * 5, 18304 + g * 5};
}

BitPosition bitOf(std::uint32_t base, int n) {
    const auto k = static_cast<std::uint32_t>(n - 1);
    return {base + k / 8, static_cast<int>(k % 8)};
}

std::uint32_t slotOf(int workMode, int group, int n) {
    const auto slot = static_cast<std::uint32_t>(n - 1) * 16;
    const auto groupBase = static_cast<std::uint32_t>(group - 1) * 40 * 16;
    if (workMode == 0) {
        if (group == 16) return 20480 + slot;
        if (group == 17) return kVfoSlotCb;
        return groupBase + slot;
    }
    if (group == 13) return 22080 + slot;
    if (group == 14) return kVfoSlotHam;
    return 9600 + groupBase + slot;
}

struct ChannelPlace {
    std::uint32_t slot;
    BitPosition presence;
    BitPosition scan;
};

ChannelPlace placeOf(const GroupPlace& group, int n) {
    const auto k = static_cast<std::uint32_t>(n - 1);
    const int bit = static_cast<int>(k % 8);
    return {group.firstSlot + k * 16, {group.presence + k / 8, bit}, {group.scan + k / 8, bit}};
}

// Bytes 4-14 of a slot; both directions read this one table.
template <class Mapper>
void mapSlotFields(Mapper& io, std::uint32_t slot, ChannelRecord& r) {
    io.byte(slot + 4, r.RxCtcssIndex);
    io.byte(slot + 5, r.RxDcsIndex);
    io.byte(slot + 6, r.Mode);
    io.byte(slot + 7, r.TxCtcssIndex);
    io.byte(slot + 8, r.TxDcsIndex);
    io.packed(slot + 9, {{0, 1, r.HiCut}, {2, 1, r.Echo}, {3, 1, r.Add10K}, {4, 1, r.Busy},
                         {5, 2, r.NbAnl}});
    io.byte(slot + 10, r.RogerBeep);
    io.packed(slot + 11, {{0, 2, r.Rep}, {2, 2, r.TxToneType}, {4, 2, r.RxToneType}, {7, 1, r.Public}});
    io.byte(slot + 12, r.Bot);
    io.byte(slot + 13, r.Eot);
    io.byte(slot + 14, r.Call);
}

}  // namespace

std::uint32_t slotAddress(int workMode, int group, int n) {
    requireChannel(workMode, group, n);
    return slotOf(workMode, group, n);
}

BitPosition presenceBit(int workMode, int group, int n) {
    requireChannel(workMode, group, n);
    return bitOf(bitmapBases(workMode, group).presence, n);
}

BitPosition scanBit(int workMode, int group, int n) {
    requireChannel(workMode, group, n);
    return bitOf(bitmapBases(workMode, group).scan, n);
}

GroupPlace groupPlace(int workMode, int group) {
    requireChannel(workMode, group, 1);
    const BitmapBases bases = bitmapBases(workMode, group);
    return {workMode, group, groupCapacity(workMode, group), slotOf(workMode, group, 1), bases.presence, bases.scan,
            isVfoGroup(workMode, group)};
}

void encodeChannel(RadioImage& image, int workMode, int group, const ChannelRecord& record) {
    encodeChannel(image, groupPlace(workMode, group), record);
}

void encodeChannel(RadioImage& image, const GroupPlace& group, const ChannelRecord& record) {
    const int n = record.ChannelNumber;
    if (n < 1 || n > group.capacity) return;  // memory channels 41-46 stay out
    const ChannelPlace place = placeOf(group, n);
    const std::uint32_t slot = place.slot;

    const FrequencyBytes freq = storedToImage(std::string_view(record.RxFrequency.bytes().data(), FrequencyText::size));
    for (std::uint32_t k = 0; k < 4; ++k) image.set(slot + k, freq[k]);

    ImagePacker io(image);
    mapSlotFields(io, slot, const_cast<ChannelRecord&>(record));  // the packer only reads the fields
    if (record.TxToneType != 0 || record.RxToneType != 0) image.setBit(slot + 11, kToneInUseBit);

    image.setBit(place.presence.index, place.presence.bit);
    if (record.ScanAdd == 1) image.setBit(place.scan.index, place.scan.bit);
}

bool decodeChannel(const RadioImage& image, int workMode, int group, int n, ChannelRecord& record) {
    return decodeChannel(image, groupPlace(workMode, group), n, record);
}

bool decodeChannel(const RadioImage& image, const GroupPlace& group, int n, ChannelRecord& record) {
    if (n < 1 || n > group.capacity) requireChannel(group.workMode, group.group, n);
    const ChannelPlace place = placeOf(group, n);
    if (!group.vfo && !image.bit(place.presence.index, place.presence.bit)) return false;
    const std::uint32_t slot = place.slot;
    const FrequencyBytes freq{image.at(slot), image.at(slot + 1), image.at(slot + 2), image.at(slot + 3)};
    if (!isDecimalImageFrequency(freq)) return false;  // an erased slot is no channel

    record.ChannelNumber = static_cast<std::int16_t>(n);
    record.Present = 1;
    record.ScanAdd = image.bit(place.scan.index, place.scan.bit) ? 1 : 0;
    imageToStored(freq, record.RxFrequency.bytes());
    ImageUnpacker io(image);
    mapSlotFields(io, slot, record);
    return true;
}

}  // namespace mv52
