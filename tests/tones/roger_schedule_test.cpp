// The steps of a tune: tones, pauses, passes and the silence after each pass.

#include <gtest/gtest.h>

#include "tones/roger_beep.h"
#include "tones/roger_schedule.h"

namespace mv52 {
namespace {

RogerBeepEntry defaultEntry(int n) {
    RogerBeepTable t;
    resetRogerBeepDefaults(t);
    return t[static_cast<std::size_t>(n - 1)];
}

// The steps of a plain pass of default entry 1: 2100 Hz and 100 ms gaps, 100 ms each.
std::vector<RogerStep> entryOnePass(int pass) {
    std::vector<RogerStep> steps;
    for (int tone = 1; tone <= 7; ++tone) steps.push_back({pass, tone, tone % 2 == 1 ? 2100 : 0, 100});
    return steps;
}

TEST(RogerSchedule, DefaultEntryOnePlaysFourTonesWithGapsOnce) {
    const std::vector<RogerStep> steps = rogerSchedule(defaultEntry(1));
    EXPECT_EQ(steps, entryOnePass(1));
    EXPECT_EQ(scheduleMilliseconds(steps), 700);
}

TEST(RogerSchedule, RecycleTimesRepeatThePassWithTheInterTimeAfterEach) {
    RogerBeepEntry e = defaultEntry(1);
    e.recycleTimes() = 3;
    e.interTime() = 50;
    std::vector<RogerStep> expected;
    for (int pass = 1; pass <= 3; ++pass) {
        const std::vector<RogerStep> tones = entryOnePass(pass);
        expected.insert(expected.end(), tones.begin(), tones.end());
        expected.push_back({pass, 0, 0, 500});
    }
    EXPECT_EQ(rogerSchedule(e), expected);
    EXPECT_EQ(scheduleMilliseconds(expected), 3 * (700 + 500));
}

TEST(RogerSchedule, LowTonesAreSilentAndTonesWithoutLengthAreSkipped) {
    RogerBeepEntry e;
    e.recycleTimes() = 1;
    e.toneFreq(1) = 4, e.toneLength(1) = 5;   // 40 Hz: silent for 50 ms
    e.toneFreq(2) = 100, e.toneLength(2) = 0;  // no length: skipped
    e.toneFreq(3) = 5, e.toneLength(3) = 3;   // 50 Hz sounds
    e.toneFreq(14) = 30, e.toneLength(14) = 1;  // 300 Hz: below the window's lists, still sounded
    EXPECT_EQ(rogerSchedule(e),
              (std::vector<RogerStep>{{1, 1, 0, 50}, {1, 3, 50, 30}, {1, 14, 300, 10}}));
}

TEST(RogerSchedule, EntriesThatSoundNothing) {
    struct Case {
        const char* what;
        int recycleTimes;
        int lengthOfToneOne;
    };
    for (const Case& c : {Case{"recycle Off", 0, 10}, Case{"no tone has a length", 2, 0},
                          // The radio keeps one byte of each value: 256 is 0 there, 266 is 10.
                          Case{"recycle 256 is Off in the radio", 256, 10}}) {
        RogerBeepEntry e;
        e.recycleTimes() = static_cast<std::int16_t>(c.recycleTimes);
        e.toneFreq(1) = 100;
        e.toneLength(1) = static_cast<std::int16_t>(c.lengthOfToneOne);
        EXPECT_FALSE(rogerEntryPlays(e)) << c.what;
        EXPECT_TRUE(rogerSchedule(e).empty()) << c.what;
    }
    RogerBeepEntry e;
    e.recycleTimes() = 257;
    e.toneFreq(1) = 100;
    e.toneLength(1) = 266;
    EXPECT_EQ(rogerSchedule(e), (std::vector<RogerStep>{{1, 1, 1000, 100}}));
}

TEST(RogerSchedule, ACursorReadsEachToneWhenItsTurnComesButKeepsItsPasses) {
    RogerBeepEntry e = defaultEntry(1);
    RogerCursor cursor(e);
    EXPECT_EQ(cursor.next(e), (RogerStep{1, 1, 2100, 100}));
    e.toneFreq(3) = 100;      // not yet played: heard
    e.toneLength(2) = 0;      // skipped from now on
    e.recycleTimes() = 5;     // taken at the start: still one pass
    EXPECT_EQ(cursor.next(e), (RogerStep{1, 3, 1000, 100}));
    e.toneFreq(1) = 50;       // already played
    std::vector<RogerStep> rest;
    while (const auto step = cursor.next(e)) rest.push_back(*step);
    EXPECT_EQ(rest, (std::vector<RogerStep>{{1, 4, 0, 100}, {1, 5, 2100, 100}, {1, 6, 0, 100}, {1, 7, 2100, 100}}));
}

}  // namespace
}  // namespace mv52
