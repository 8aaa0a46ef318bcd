// The player: one step at a time through the tone output, Stop, and changes while it plays.

#include <gtest/gtest.h>

#include "tones/roger_beep.h"
#include "tones/roger_player.h"

namespace mv52 {
namespace {

// Records each step and lets the test say when it is over.
class StepOutput : public ToneOutput {
public:
    struct Sound {
        int hz;
        long long ms;
        bool operator==(const Sound&) const = default;
    };
    std::vector<Sound> sounds;
    int stops = 0;

    void sound(int frequencyHz, std::chrono::milliseconds length, std::function<void()> finished) override {
        sounds.push_back({frequencyHz, static_cast<long long>(length.count())});
        pending_ = std::move(finished);
    }
    void stop() override {
        ++stops;
        pending_ = nullptr;
    }
    bool finishStep() {
        if (!pending_) return false;
        std::exchange(pending_, nullptr)();
        return true;
    }

private:
    std::function<void()> pending_;
};

struct PlayerRig {
    RogerBeepTable table;
    StepOutput output;
    RogerPlayer player{table, output};
    int ended = 0;

    PlayerRig() { resetRogerBeepDefaults(table); }
    bool play(int n) {
        return player.play(n, [this] { ++ended; });
    }
};

TEST(RogerPlayer, PlaysEveryStepInTurnAndSaysWhenItEnded) {
    PlayerRig rig;
    ASSERT_TRUE(rig.play(1));
    EXPECT_TRUE(rig.player.playing());
    while (rig.output.finishStep()) {}
    using S = StepOutput::Sound;
    EXPECT_EQ(rig.output.sounds,
              (std::vector<S>{{2100, 100}, {0, 100}, {2100, 100}, {0, 100}, {2100, 100}, {0, 100}, {2100, 100}}));
    EXPECT_EQ(rig.ended, 1);
    EXPECT_FALSE(rig.player.playing());
}

TEST(RogerPlayer, StopEndsTheTuneBeforeTheNextTone) {
    PlayerRig rig;
    ASSERT_TRUE(rig.play(1));
    ASSERT_TRUE(rig.output.finishStep());
    ASSERT_EQ(rig.output.sounds.size(), 2u);
    rig.player.stop();
    EXPECT_EQ(rig.output.stops, 1);
    EXPECT_FALSE(rig.player.playing());
    EXPECT_FALSE(rig.output.finishStep());  // the step's end was dropped
    EXPECT_EQ(rig.output.sounds.size(), 2u);
    EXPECT_EQ(rig.ended, 0);
}

TEST(RogerPlayer, AChangeWhilePlayingReachesTheTonesNotYetPlayed) {
    PlayerRig rig;
    ASSERT_TRUE(rig.play(1));
    rig.table[0].toneFreq(1) = 50;  // sounding now
    rig.table[0].toneFreq(3) = 150;
    while (rig.output.finishStep()) {}
    EXPECT_EQ(rig.output.sounds[0].hz, 2100);
    EXPECT_EQ(rig.output.sounds[2].hz, 1500);
}

TEST(RogerPlayer, AnEntryThatSoundsNothingDoesNotStart) {
    PlayerRig rig;
    for (int n : {0, 6, 9}) {
        EXPECT_FALSE(rig.play(n)) << n;
        EXPECT_TRUE(rig.output.sounds.empty());
        EXPECT_FALSE(rig.player.playing());
    }
    // Playing again ends the tune that plays and starts over.
    ASSERT_TRUE(rig.play(2));
    ASSERT_TRUE(rig.play(3));
    EXPECT_EQ(rig.player.entry(), 3);
    EXPECT_EQ(rig.output.sounds.back().hz, 1700);
}

}  // namespace
}  // namespace mv52
