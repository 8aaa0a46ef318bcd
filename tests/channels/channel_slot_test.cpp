#include <gtest/gtest.h>

#include "channels/channel_slot.h"
#include "storage/codec.h"
#include "document/workspace.h"

namespace mv52 {
namespace {

TEST(ChannelSlot, AddressesAndBits) {
    struct Case {
        int mode, group, n;
        std::uint32_t slot;
        BitPosition presence, scan;
    };
    const Case cases[] = {
        {0, 1, 1, 0x0000, {0x4600, 0}, {0x4700, 0}},
        {0, 15, 40, 0x2570, {0x464A, 7}, {0x474A, 7}},
        {1, 1, 1, 0x2580, {0x4680, 0}, {0x4780, 0}},
        {1, 12, 40, 0x4370, {0x46BB, 7}, {0x47BB, 7}},
        {0, 16, 1, 0x5000, {0x5C80, 0}, {0x5CA0, 0}},
        {0, 16, 99, 0x5620, {0x5C8C, 2}, {0x5CAC, 2}},
        {1, 13, 99, 0x5C60, {0x5C9C, 2}, {0x5CBC, 2}},
        {0, 17, 1, 0x4810, {0x4650, 0}, {0x4750, 0}},
        {1, 14, 1, 0x4820, {0x46C1, 0}, {0x47C1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << "/" << c.group << "/" << c.n);
        EXPECT_EQ(slotAddress(c.mode, c.group, c.n), c.slot);
        EXPECT_EQ(presenceBit(c.mode, c.group, c.n), c.presence);
        EXPECT_EQ(scanBit(c.mode, c.group, c.n), c.scan);
    }
    EXPECT_THROW(slotAddress(0, 1, 41), std::out_of_range);
    EXPECT_THROW(slotAddress(1, 15, 1), std::out_of_range);
}

ChannelRecord sampleRecord() {
    ChannelRecord r;
    r.ChannelNumber = 5;
    r.Present = 1;
    r.ScanAdd = 1;
    r.RxFrequency.set("2718500");
    r.RxCtcssIndex = 11;
    r.RxDcsIndex = 103;
    r.Mode = 3;
    r.TxCtcssIndex = 37;
    r.TxDcsIndex = 2;
    r.HiCut = 1;
    r.NbAnl = 3;
    r.RogerBeep = 4;
    r.Rep = 2;
    r.TxToneType = 0;
    r.RxToneType = 2;
    r.Public = 1;
    r.Bot = 1;
    r.Eot = 16;
    r.Call = 9;
    return r;
}

TEST(ChannelSlot, EncodesTheSixteenSlotBytes) {
    RadioImage image;
    image.preTransferFill();
    encodeChannel(image, 0, 2, sampleRecord());
    const std::uint32_t slot = 0x280 + 4 * 16;
    const std::uint8_t expected[16] = {0x27, 0x18, 0x50, 0x00, 11, 103, 3, 37, 2,
                                       0x61,  // HiCut and NB/ANL 3
                                       4,
                                       0xE2,  // Rep 2, Tx off, Rx DCS, tone in use, public
                                       1, 16, 9, 0xFF};
    for (std::uint32_t i = 0; i < 16; ++i) EXPECT_EQ(image.at(slot + i), expected[i]) << i;
    EXPECT_EQ(image.at(0x4605), 0x10);  // group 2 presence byte 0, bit 4
    EXPECT_EQ(image.at(0x4705), 0x10);
}

TEST(ChannelSlot, ScanBitFollowsScanAddAndToneFlagFollowsEitherTone) {
    RadioImage image;
    image.preTransferFill();
    ChannelRecord r = sampleRecord();
    r.ScanAdd = 0;
    r.RxToneType = 0;
    encodeChannel(image, 0, 1, r);
    EXPECT_EQ(image.at(0x4600), 0x10);
    EXPECT_EQ(image.at(0x4700), 0x00);
    EXPECT_EQ(image.at(4 * 16 + 11) & 0x40, 0);
}

TEST(ChannelSlot, MemoryChannelsOfFortySlotGroupsAreLeftOut) {
    RadioImage image;
    image.preTransferFill();
    const RadioImage before = image;
    ChannelRecord r = sampleRecord();
    r.ChannelNumber = 41;
    encodeChannel(image, 0, 3, r);
    EXPECT_EQ(image, before);
}

TEST(ChannelSlot, NonNumericFrequencyEncodesErasedButPresent) {
    RadioImage image;
    image.preTransferFill();
    ChannelRecord r = sampleRecord();
    r.RxFrequency.set("28.0AB");
    encodeChannel(image, 1, 13, r);
    const std::uint32_t slot = slotAddress(1, 13, 5);
    for (std::uint32_t i = 0; i < 4; ++i) EXPECT_EQ(image.at(slot + i), 0xFF);
    EXPECT_TRUE(image.bit(0x5C90, 4));
}

TEST(ChannelSlot, DecodeRoundTripsTheCarriedFields) {
    auto ws = Workspace::create();
    ws->image.preTransferFill();
    const ChannelRecord r = sampleRecord();
    encodeChannel(ws->image, 0, 2, r);
    ChannelRecord back;
    ASSERT_TRUE(decodeChannel(ws->image, 0, 2, 5, back));
    ChannelRecord expected = r;
    expected.RxFrequency.set("27185000");
    EXPECT_EQ(back, expected);
}

TEST(ChannelSlot, DecodeDropsAbsentAndErasedChannels) {
    auto ws = Workspace::create();
    RadioImage& image = ws->image;
    image.preTransferFill();
    image.setBit(0x4600, 2);  // channel 3 of CB group A present, but its slot is erased
    ChannelRecord record;
    EXPECT_FALSE(decodeChannel(image, 0, 1, 3, record));
    EXPECT_FALSE(decodeChannel(image, 0, 1, 4, record));  // absent
    EXPECT_EQ(record, ChannelRecord{});
}

TEST(ChannelSlot, FilledImageDecodesToOnlyTheTwoVfoChannels) {
    auto ws = Workspace::create();
    ws->image.preTransferFill();
    decodeImage(*ws);
    forEachGroup([&](int m, int g) {
        const bool vfo = isVfoGroup(m, g);
        EXPECT_EQ(ws->current.count(m, g), vfo ? 1 : 0) << m << "/" << g;
        if (vfo) {
            EXPECT_EQ(ws->current.channels.slot(m, g, 1).RxFrequency.raw(), "00000000");
        }
    });
}

TEST(ChannelSlot, DecodedGroupsComeOutSortedWithoutGaps) {
    auto ws = Workspace::create();
    for (int n : {7, 3, 40, 1}) ws->current.appendChannel(0, 4, n, "28.015");
    ws->image.preTransferFill();
    encodeDocument(*ws);
    decodeImage(*ws);
    ASSERT_EQ(ws->current.count(0, 4), 4);
    const int expected[] = {1, 3, 7, 40};
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(ws->current.channels.slot(0, 4, p).ChannelNumber, expected[p - 1]);
}

TEST(ChannelSlot, MemoryChannelDoesNotTouchTheNextGroup) {
    auto ws = Workspace::create();
    for (int n : {1, 2, 41}) ws->current.appendChannel(0, 1, n, "28.015");
    ws->image.preTransferFill();
    encodeDocument(*ws);
    EXPECT_EQ(ws->image.at(0x4600), 0x03);
    for (std::uint32_t i = 0x4601; i <= 0x4609; ++i) EXPECT_EQ(ws->image.at(i), 0x00) << i;
    for (std::uint32_t i = 2 * 16; i < 80 * 16; ++i) ASSERT_EQ(ws->image.at(i), 0xFF) << i;
}

}  // namespace
}  // namespace mv52
