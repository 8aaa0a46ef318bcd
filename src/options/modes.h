#pragma once
// The modes the options enable, as the mode lists of the editors show them.

#include <string>
#include <vector>

namespace mv52 {

struct OptionRecord;

// "FM", "AM", "USB", "LSB" (each when enabled), "PA" (enabled and not excluded), "CW" (enabled).
std::vector<std::string> modeList(const OptionRecord& options, bool excludePa);
// The modes the options switch off, in the same order ("AM", "CW").
std::vector<std::string> disabledModes(const OptionRecord& options);
// The given mode code when it is 0-4 and enabled, else the first enabled code of 0-4 (0 if none).
int validMode(const OptionRecord& options, int mode);

}  // namespace mv52
