#pragma once
// The picture of a roger-beep tune: one bar per tone, as wide as the tone is long and as high
// as it is pitched, side by side across the picture.

#include <vector>

#include "document/roger_beep_table.h"

namespace mv52 {

struct RogerBar {
    int tone = 0;  // 1-14; odd tones are drawn red, even ones blue
    int left = 0;
    int top = 0;   // measured down from the picture's top
    int width = 0;
    int height = 0;  // 0 for a pause
    bool operator==(const RogerBar&) const = default;
};

// The bars of `entry` in a picture `width` x `height` units large (the window passes twips):
// a margin of 50 units all round; the tones share the width in proportion to their lengths,
// and a bar is toneFreq / 256 of the height. Tones without length have no bar; nothing is
// drawn when no tone has a length.
std::vector<RogerBar> rogerBars(const RogerBeepEntry& entry, int width, int height);

// The tone a bar sounds, in Hz (0 for a silent tone), as the player sounds it.
int rogerBarHz(const RogerBeepEntry& entry, const RogerBar& bar);

// A mark of the picture's time axis: where it sits across the picture (the units of
// rogerBars) and the time of one pass it stands for.
struct RogerTick {
    int x = 0;
    int milliseconds = 0;
    bool operator==(const RogerTick&) const = default;
};
// Marks at a round step (10, 20, 50, 100 ... ms) chosen so that at most `most` marks cover
// one pass, from 0 to its length; none when nothing is drawn.
std::vector<RogerTick> rogerTimeTicks(const RogerBeepEntry& entry, int width, int most = 6);

}  // namespace mv52
