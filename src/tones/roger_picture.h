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

}  // namespace mv52
