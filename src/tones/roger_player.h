#pragma once
// Plays a roger-beep entry through a tone output, one step at a time: the output says when a
// step is over and the player gives it the next, so nothing waits and the window that owns
// the player stays responsive. The tones are read from the table as their turn comes.

#include <functional>
#include <optional>

#include "document/roger_beep_table.h"
#include "system/tone_output.h"
#include "tones/roger_schedule.h"

namespace mv52 {

class RogerPlayer {
public:
    RogerPlayer(const RogerBeepTable& table, ToneOutput& output) : table_(table), output_(output) {}
    ~RogerPlayer();
    RogerPlayer(const RogerPlayer&) = delete;
    RogerPlayer& operator=(const RogerPlayer&) = delete;

    // Starts entry n (1-8), ending a tune that still plays; `ended` runs once its last step is
    // over. False, and nothing sounds, when the entry does not play.
    bool play(int n, std::function<void()> ended);
    // Ends the tune at once; `ended` does not run.
    void stop();
    bool playing() const { return cursor_.has_value(); }
    // The entry playing, 0 when none.
    int entry() const { return playing() ? entry_ : 0; }
    // The step sounding now, while a tune plays.
    const std::optional<RogerStep>& step() const { return step_; }

private:
    void advance();
    const RogerBeepEntry& current() const;

    const RogerBeepTable& table_;
    ToneOutput& output_;
    std::optional<RogerCursor> cursor_;
    std::optional<RogerStep> step_;
    int entry_ = 0;
    std::function<void()> ended_;
};

}  // namespace mv52
