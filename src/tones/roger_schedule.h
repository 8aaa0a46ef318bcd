#pragma once
// What a roger-beep entry sounds like: its tones, pauses and passes as a list of steps. The
// player, the WAV rendering and mv52ctl all walk the same steps.

#include <cstdint>
#include <optional>
#include <vector>

#include "document/roger_beep_table.h"

namespace mv52 {

// One step of a tune: tone 1-14 of a pass, or tone 0 for the silence after the pass.
struct RogerStep {
    int pass = 1;
    int tone = 0;
    int frequencyHz = 0;  // 0: silent
    int milliseconds = 0;
    bool operator==(const RogerStep&) const = default;
};

// Tones of 4 ms or less are skipped; tones of 48 Hz or less are silent.
constexpr int kShortestToneMs = 4;
constexpr int kLowestAudibleHz = 48;

// A value of an entry as the radio receives it: one byte. Play, the picture and the WAV
// file use it, so they show and sound what the radio will send.
int radioByte(std::int16_t value);

// Why an entry sounds nothing, if it does not.
enum class RogerSilence {
    None,        // it plays
    RecycleOff,  // no pass
    NoTone,      // its tones are 4 ms long or less in all
};
RogerSilence rogerSilence(const RogerBeepEntry& entry);
inline bool rogerEntryPlays(const RogerBeepEntry& entry) { return rogerSilence(entry) == RogerSilence::None; }

// Walks a tune step by step. The number of passes and the silence after each pass are taken
// when the walk starts; each tone is read from the entry as it is when its turn comes, so a
// change made while a tune plays reaches the tones not yet played.
class RogerCursor {
public:
    explicit RogerCursor(const RogerBeepEntry& atStart);
    // The next step of `now`, or nullopt when the tune is over.
    std::optional<RogerStep> next(const RogerBeepEntry& now);

private:
    int passes_ = 0;
    int pauseMs_ = 0;
    int pass_ = 1;
    int tone_ = 0;  // the last tone looked at in this pass
};

// Every step of the entry; empty when it does not play.
std::vector<RogerStep> rogerSchedule(const RogerBeepEntry& entry);

// The length of all steps together.
int scheduleMilliseconds(const std::vector<RogerStep>& steps);

}  // namespace mv52
