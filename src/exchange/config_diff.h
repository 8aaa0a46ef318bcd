#pragma once
// What differs between two configurations, one line per difference by label, as a reader of
// the windows would name it: "CB A CH 7 Mode: FM -> AM", "TOT: 90s -> Off".

#include <string>
#include <vector>

namespace mv52 {

struct Document;

enum class DiffScope {
    Radio,  // what the radio would hold of each: both through the image and back
    All,    // that, then what only the data file holds, each line marked so
};

// In the order of the settings (config_settings.h); a channel only one side has is one line
// ("CB A CH 7: 28.015000 -> (none)"). Frequencies are compared as numbers.
std::vector<std::string> configDifferences(const Document& a, const Document& b, DiffScope scope = DiffScope::Radio);

// The mark of a line about what only the data file holds.
inline constexpr const char* kDataFileOnly = "(data file only) ";

}  // namespace mv52
