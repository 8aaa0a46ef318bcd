// The bar chart of a tune.

#include <gtest/gtest.h>

#include "tones/roger_beep.h"
#include "tones/roger_picture.h"

namespace mv52 {
namespace {

TEST(RogerPicture, DefaultEntryOneShareTheWidthAndRiseByPitch) {
    RogerBeepTable t;
    resetRogerBeepDefaults(t);
    // 1,600 x 1,100 units: 1,500 x 1,000 inside the margins; seven tones of 10 share 1,500.
    const std::vector<RogerBar> bars = rogerBars(t[0], 1600, 1100);
    ASSERT_EQ(bars.size(), 7u);
    for (std::size_t k = 0; k < bars.size(); ++k) {
        SCOPED_TRACE(k);
        const int h = k % 2 == 0 ? 820 : 0;  // 210 / 256 of 1,000; pauses have no height
        EXPECT_EQ(bars[k], (RogerBar{static_cast<int>(k) + 1, 50 + 214 * static_cast<int>(k), 1050 - h, 214, h}));
    }
}

TEST(RogerPicture, TonesWithoutLengthHaveNoBarAndAnEmptyTuneNoPicture) {
    RogerBeepEntry e;
    e.toneFreq(2) = 255, e.toneLength(2) = 1;
    e.toneFreq(5) = 128, e.toneLength(5) = 3;
    EXPECT_EQ(rogerBars(e, 500, 356),
              (std::vector<RogerBar>{{2, 50, 51, 100, 255}, {5, 150, 178, 300, 128}}));
    EXPECT_TRUE(rogerBars(RogerBeepEntry{}, 500, 356).empty());
    EXPECT_TRUE(rogerBars(e, 80, 80).empty());  // no room inside the margins
}

// Default entry 1: seven tones of 100 ms, 700 ms a pass; at most six marks gives 200 ms steps.
TEST(RogerPicture, TheTimeAxisMarksRoundStepsOfOnePassAndEachBarNamesItsTone) {
    RogerBeepTable t;
    resetRogerBeepDefaults(t);
    EXPECT_EQ(rogerTimeTicks(t[0], 1500, 6),
              (std::vector<RogerTick>{{50, 0}, {450, 200}, {850, 400}, {1250, 600}}));
    EXPECT_EQ(rogerTimeTicks(t[0], 1500, 8).size(), 8u);  // 100 ms steps: 0 to 700
    EXPECT_TRUE(rogerTimeTicks(RogerBeepEntry{}, 1450).empty());
    const std::vector<RogerBar> bars = rogerBars(t[0], 1600, 1100);
    EXPECT_EQ(rogerBarHz(t[0], bars[0]), 2100);
    EXPECT_EQ(rogerBarHz(t[0], bars[1]), 0);  // a pause
}

}  // namespace
}  // namespace mv52
