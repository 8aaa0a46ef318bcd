#include <gtest/gtest.h>

#include "channels/channel_slot.h"
#include "storage/codec.h"
#include "storage/default_document.h"
#include "document/workspace.h"

namespace mv52 {
namespace {

bool inRange(std::uint32_t i, std::uint32_t from, std::uint32_t to) { return i >= from && i <= to; }

TEST(Codec, DocumentWithoutChannelsEncodesEmptySlotsAndBitmaps) {
    auto ws = Workspace::create();
    ws->image.preTransferFill();
    encodeDocument(*ws);
    for (std::uint32_t i = 0x4600; i <= 0x47C1; ++i) EXPECT_EQ(ws->image.at(i), 0) << std::hex << i;
    for (std::uint32_t i = 0x5C80; i <= 0x5CBF; ++i) EXPECT_EQ(ws->image.at(i), 0) << std::hex << i;
    for (std::uint32_t i = 0; i < RadioImage::kSize; ++i) {
        const bool channelSlot = inRange(i, 0x0000, 0x437F) || inRange(i, 0x5000, 0x5C6F);
        if (channelSlot) {
            ASSERT_EQ(ws->image.at(i), 0xFF) << std::hex << i;
        }
        if (inRange(i, 0x4810, 0x482F)) {  // the VFO slots
            ASSERT_EQ(ws->image.at(i), 0x00) << std::hex << i;
        }
    }
}

TEST(Codec, UnassignedBytesKeepTheFill) {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    ws->image.preTransferFill();
    encodeDocument(*ws);
    for (std::uint32_t i : {0x4380u, 0x447Fu, 0x459Eu, 0x45FFu, 0x4A38u, 0x4FFFu, 0x5630u, 0x5CC0u, 0x493Cu})
        EXPECT_EQ(ws->image.at(i), 0xFF) << std::hex << i;
    EXPECT_EQ(ws->image.at(0x480A), 0x00);  // inside the zeroed area
    EXPECT_EQ(ws->image.at(15), 0xFF);     // byte 15 of a written slot
}

TEST(Codec, DecodeThenEncodeReproducesTheImage) {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    ws->current.appendChannel(0, 16, 99, "28.2");
    ws->current.appendChannel(1, 13, 1, "29.1");
    ws->current.channels.slot(1, 13, 7).ScanAdd = 0;
    ws->image.preTransferFill();
    encodeDocument(*ws);
    const RadioImage first = ws->image;

    decodeImage(*ws);
    ws->image.preTransferFill();
    encodeDocument(*ws);
    // Only the write-only presence bits of the two VFO channels, which every read brings back
    // from the fill, are new.
    std::vector<std::uint32_t> differences;
    for (std::uint32_t i = 0; i < RadioImage::kSize; ++i)
        if (ws->image.at(i) != first.at(i)) differences.push_back(i);
    EXPECT_EQ(differences, (std::vector<std::uint32_t>{0x4650, 0x46C1}));
}

TEST(Codec, DecodeSetsWorkModeBandAndReplacesChannels) {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    ws->image.preTransferFill();
    ws->image.set(0x4804, 0x31);  // HAM
    const std::uint8_t freq[3][4] = {{0x28, 0x01, 0x50, 0x00}, {0x29, 0x10, 0x00, 0x00}, {0x28, 0x29, 0x2A, 0x2B}};
    const int numbers[3] = {7, 3, 9};  // 9 holds hexadecimal letters: not a channel
    for (int i = 0; i < 3; ++i) {
        const BitPosition p = presenceBit(1, 2, numbers[i]);
        ws->image.setBit(p.index, p.bit);
        for (std::uint32_t k = 0; k < 4; ++k) ws->image.set(slotAddress(1, 2, numbers[i]) + k, freq[i][k]);
    }
    decodeImage(*ws);
    EXPECT_EQ(ws->current.header.currentWorkMode, 1);
    EXPECT_EQ(ws->bandText, kBandTextHam);
    EXPECT_DOUBLE_EQ(ws->bandLimits.upper, 29.695);
    ASSERT_EQ(ws->current.count(1, 2), 2);
    EXPECT_EQ(ws->current.channels.slot(1, 2, 1).ChannelNumber, 3);
    EXPECT_EQ(ws->current.channels.slot(1, 2, 1).RxFrequency.raw(), "29100000");
    EXPECT_EQ(ws->current.channels.slot(1, 2, 2).ChannelNumber, 7);
    EXPECT_EQ(ws->current.count(0, 1), 0);  // the start-up channels are gone
}

}  // namespace
}  // namespace mv52
