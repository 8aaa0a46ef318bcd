#pragma once
// What differs between two configurations, one line per difference by label, as a reader of
// the windows would name it: "CB A CH 7 Mode: FM -> AM", "TOT: 90s -> Off".

#include <string>
#include <vector>

namespace mv52 {

struct Document;

// In the order of the settings (config_settings.h); a channel only one side has is one line
// ("CB A CH 7: 28.015000 -> (none)"); stored bytes no window shows are compared as runs.
std::vector<std::string> configDifferences(const Document& a, const Document& b);

}  // namespace mv52
