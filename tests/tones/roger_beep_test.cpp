#include <gtest/gtest.h>

#include "data/radio_image.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

RogerBeepTable defaults() {
    RogerBeepTable t;
    resetRogerBeepDefaults(t);
    return t;
}

TEST(RogerBeep, DefaultEntries) {
    const RogerBeepTable t = defaults();
    EXPECT_EQ(t[0].toneFreq(1), 210);
    EXPECT_EQ(t[0].toneFreq(2), 0);
    EXPECT_EQ(t[0].toneLength(7), 10);
    EXPECT_EQ(t[0].toneLength(8), 0);
    EXPECT_EQ(t[1].toneFreq(13), 80);
    EXPECT_EQ(t[1].toneLength(14), 4);
    EXPECT_EQ(t[3].toneFreq(5), 192);
    EXPECT_EQ(t[4].toneLength(6), 20);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(t[static_cast<std::size_t>(n - 1)].recycleTimes(), 1);
    EXPECT_EQ(t[5], RogerBeepEntry{});
    EXPECT_EQ(countValidRogerEntries(t), 5);
}

TEST(RogerBeep, Validity) {
    RogerBeepTable t = defaults();
    EXPECT_EQ(validRogerEntry(t, 3), 3);
    EXPECT_EQ(validRogerEntry(t, 0), 0);
    EXPECT_EQ(validRogerEntry(t, 9), 0);
    EXPECT_EQ(validRogerEntry(t, 6), 0);
    t[2].recycleTimes() = 0;
    EXPECT_EQ(validRogerEntry(t, 3), 0);
    t[2].recycleTimes() = 2;
    for (int i = 1; i <= 14; ++i) t[2].toneLength(i) = 0;
    EXPECT_EQ(validRogerEntry(t, 3), 0);
    EXPECT_EQ(countValidRogerEntries(t), 4);
}

TEST(RogerBeep, ImageLayout) {
    EXPECT_EQ(rogerEntryImageAddress(1), 0x4900u);
    EXPECT_EQ(rogerEntryImageAddress(2), 0x491Eu);
    EXPECT_EQ(rogerEntryImageAddress(4), 0x495Eu);
    EXPECT_EQ(rogerEntryImageAddress(5), 0x4980u);
    RogerBeepTable t = defaults();
    t[0].toneFreq(1) = 100;  // the "1000" item
    t[0].interTime() = 50;
    RadioImage image;
    image.preTransferFill();
    packRogerBeepTable(t, image);
    EXPECT_EQ(image.at(0x4900), 1);
    EXPECT_EQ(image.at(0x4901), 50);
    EXPECT_EQ(image.at(0x4902), 0x64);
    EXPECT_EQ(image.at(0x4910), 10);  // length of tone 1
    for (std::uint32_t i = 0x493C; i <= 0x493F; ++i) EXPECT_EQ(image.at(i), 0xFF) << i;
    RogerBeepTable back;
    unpackRogerBeepTable(back, image);
    EXPECT_EQ(back, t);
}

}  // namespace
}  // namespace mv52
