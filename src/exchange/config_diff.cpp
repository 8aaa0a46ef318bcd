#include "exchange/config_diff.h"

#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "data/groups.h"
#include "data/numeric.h"
#include "document/workspace.h"
#include "exchange/config_settings.h"
#include "exchange/radio_view.h"

namespace mv52 {
namespace {

constexpr const char* kNone = "(none)";

std::string keyOf(const std::vector<std::string>& path, std::size_t parts) {
    std::string out;
    for (std::size_t i = 1; i < parts && i < path.size(); ++i) out += (i == 1 ? "" : " ") + path[i];
    return out;
}

// A channel's title, "CB A CH 7", for settings below a channel; empty for the others.
std::string channelOf(const Setting& s) {
    return s.path.size() == 4 && s.path[0] == kChannelsSection ? keyOf(s.path, 3) : std::string();
}

bool isFrequency(const Setting& s) { return !channelOf(s).empty() && s.path[3] == kFrequencyKey; }

// "26.96500" and "26.965000" are one frequency.
bool sameValue(const Setting& s, const std::string& other) {
    if (s.value == other) return true;
    if (!isFrequency(s) || !isNumeric(s.value) || !isNumeric(other)) return false;
    const std::optional<double> a = parseNumber(s.value), b = parseNumber(other);
    return a && b && std::abs(*a - *b) < 5e-7;
}

std::vector<std::string> settingDifferences(const std::vector<Setting>& left, const std::vector<Setting>& right,
                                            const std::string& mark) {
    std::map<std::string, std::string> rightValues;
    std::set<std::string> leftKeys, rightChannels, leftChannels;
    for (const Setting& s : right) {
        rightValues[keyOf(s.path, s.path.size())] = s.value;
        if (!channelOf(s).empty()) rightChannels.insert(channelOf(s));
    }
    std::vector<std::string> out;
    for (const Setting& s : left) {
        const std::string key = keyOf(s.path, s.path.size());
        leftKeys.insert(key);
        const std::string channel = channelOf(s);
        if (!channel.empty()) leftChannels.insert(channel);
        if (!channel.empty() && !rightChannels.count(channel)) {
            if (isFrequency(s)) out.push_back(mark + channel + ": " + s.value + " -> " + kNone);
            continue;
        }
        const auto it = rightValues.find(key);
        const std::string other = it == rightValues.end() ? kNone : it->second;
        if (!sameValue(s, other)) out.push_back(mark + key + ": " + s.value + " -> " + other);
    }
    for (const Setting& s : right) {
        const std::string channel = channelOf(s);
        if (!channel.empty() && !leftChannels.count(channel) && isFrequency(s))
            out.push_back(mark + channel + ": " + kNone + " -> " + s.value);
        else if (channel.empty() && !leftKeys.count(keyOf(s.path, s.path.size())))
            out.push_back(mark + keyOf(s.path, s.path.size()) + ": " + kNone + " -> " + s.value);
    }
    return out;
}

// What the data file holds beyond the radio: the memory channels M1-M6 of the 40-channel
// groups, the group and rows the channel window shows, the date of the last save.
std::vector<Setting> dataFileOnly(const Document& doc) {
    std::vector<Setting> out;
    for (Setting& s : documentSettings(doc)) {
        int m = 0, g = 0;
        if (channelOf(s).empty() || !groupFromTitle(s.path[1], m, g) || isMemGroup(m, g)) continue;
        if (channelFromTitle(m, g, s.path[2]) > 40) out.push_back(std::move(s));
    }
    const DocumentHeader& h = doc.header;
    auto add = [&](std::string label, std::string value) { out.push_back({{"File", std::move(label)}, std::move(value)}); };
    add("Shown work mode", h.currentWorkMode == kWorkModeCb ? "CB" : h.currentWorkMode == kWorkModeHam ? "HAM"
                                                                                                       : std::to_string(h.currentWorkMode));
    for (int m = 0; m < kWorkModeCount; ++m)
        add(std::string("Shown group of ") + (m == kWorkModeCb ? "CB" : "HAM"),
            std::to_string(h.currentGroup.at(static_cast<std::size_t>(m))));
    forEachGroup([&](int m, int g) { add("Shown row of " + groupTitle(m, g), std::to_string(h.currentRow.at(m, g))); });
    add("Date", h.radioInfo.dateStamp.clean());
    return out;
}

}  // namespace

std::vector<std::string> configDifferences(const Document& a, const Document& b, DiffScope scope) {
    std::vector<std::string> out = settingDifferences(documentSettings(radioView(a)->current),
                                                      documentSettings(radioView(b)->current), "");
    if (scope == DiffScope::All)
        for (std::string& line : settingDifferences(dataFileOnly(a), dataFileOnly(b), kDataFileOnly))
            out.push_back(std::move(line));
    return out;
}

}  // namespace mv52
