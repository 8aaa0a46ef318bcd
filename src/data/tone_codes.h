#pragma once
// CTCSS tones and DCS codes. Channels keep a tone type and a table index per direction.

#include <array>
#include <string>

namespace mv52 {

constexpr int kCtcssCount = 38;
constexpr int kDcsCount = 104;

extern const std::array<const char*, 3> kToneTypeNames;    // "Off", "CTCSS", "DCS"
extern const std::array<double, kCtcssCount> kCtcssTones;  // Hz, ascending
extern const std::array<int, kDcsCount> kDcsCodes;         // octal digits as written, e.g. 23 for 023

// "C_001(67.0Hz)"; an index outside the table shows as the first entry.
std::string ctcssListText(int index);
// "D_001(023N)"; an index outside the table shows as the first entry.
std::string dcsListText(int index);
// The type's list text; a value outside 0-2 shows as "Off".
std::string toneTypeText(int toneType);

}  // namespace mv52
