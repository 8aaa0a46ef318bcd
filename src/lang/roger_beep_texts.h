#pragma once
// Texts of the roger-beep window `FrmToneTips`.

#include <string>
#include <vector>

#include "lang/bilingual.h"

namespace mv52 {

enum class RogerText {
    Title,            // "Roger Beep"; also the navigation tree's node for this window
    TabPrefix,        // "RB Tone", followed by a space and the entry number
    RecycleTimes,     // Combo1(0)
    InterTime,        // Combo2(0)
    FrequencyHeader,  // above the Combo3 column
    LengthHeader,     // above the Combo4 column
    Play,
    Stop,
    SaveWav,    // the button that writes the shown entry as a WAV file
    WavFilter,  // the save dialog's filter, "description|pattern"
    MenuCaption,  // the Edit menu's item, with an access key Undo and Redo leave free
    NoSoundDevice,  // shown in the window when Play can only keep the time
    TimeAxis,       // the picture's time axis: "%1 ms"
};

std::string text(RogerText key, LanguageIndex language);

// Why entry n sounds nothing: its recycle times are Off, or no tone has a length.
std::string rogerNotPlayingText(int n, bool recycleOff, LanguageIndex language);

// Caption of tab n (1-8) of `TabStrip1`: "RB Tone 3" / "RB音 3".
std::string rogerTabCaption(int n, LanguageIndex language);

// Name of tone row i (1-14): "First Tone" .. "Fourteenth Tone" / "第一个音" .. "第十四个音";
// empty outside 1-14.
std::string toneRowName(int i, LanguageIndex language);

enum class RogerList {
    RecycleTimes,   // "Off", "1".."10"; position = recycleTimes
    InterTime,      // "0", "10" .. "2550"; position = interTime
    ToneFrequency,  // "None", "400", "410" .. "2550"; chosen by text
    ToneLength,     // "0", "10" .. "2550"; position = toneLength
};

std::vector<std::string> items(RogerList list, LanguageIndex language);

}  // namespace mv52
