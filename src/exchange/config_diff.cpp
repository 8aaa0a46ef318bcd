#include "exchange/config_diff.h"

#include <algorithm>
#include <map>
#include <set>

#include "data/groups.h"
#include "document/document.h"
#include "exchange/config_settings.h"
#include "exchange/config_yaml.h"
#include "storage/data_file_layout.h"

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

// The bytes the stored runs of either side cover, compared between the two sides' bytes.
template <std::size_t N>
void compareStored(const std::string& name, const std::array<std::uint8_t, N>& a, const std::array<std::uint8_t, N>& b,
                   const std::set<std::size_t>& covered, std::vector<std::string>& out) {
    auto hex = [](const std::array<std::uint8_t, N>& bytes, std::size_t from, std::size_t to) {
        static const char* const kDigits = "0123456789abcdef";
        std::string t;
        for (std::size_t i = from; i < to; ++i) {
            t += kDigits[bytes[i] >> 4];
            t += kDigits[bytes[i] & 15];
        }
        return t;
    };
    for (auto it = covered.begin(); it != covered.end();) {
        if (a[*it] == b[*it]) {
            ++it;
            continue;
        }
        const std::size_t from = *it;
        std::size_t to = from;
        while (it != covered.end() && *it == to && a[to] != b[to]) {
            ++to;
            ++it;
        }
        out.push_back("Stored " + name + " bytes " + std::to_string(from) + "-" + std::to_string(to - 1) + ": " +
                      hex(a, from, to) + " -> " + hex(b, from, to));
    }
}

std::map<std::string, std::set<std::size_t>> coveredBytes(const Document& a, const Document& b) {
    std::map<std::string, std::set<std::size_t>> covered;
    for (const Document* d : {&a, &b})
        for (const auto& [name, runs] : storedPatches(*d))
            for (const auto& [offset, hex] : runs)
                for (std::size_t i = 0; i < hex.size() / 2; ++i) covered[name].insert(offset + i);
    return covered;
}

const ChannelRecord* channelNamed(const Document& d, const std::string& title) {
    const std::size_t split = title.find(" CH ");
    int m = 0, g = 0;
    if (split == std::string::npos || !groupFromTitle(title.substr(0, split), m, g)) return nullptr;
    const int p = d.findChannel(m, g, channelFromTitle(m, g, title.substr(split + 1)));
    return p == 0 ? nullptr : &d.channels.slot(m, g, p);
}

}  // namespace

std::vector<std::string> configDifferences(const Document& a, const Document& b) {
    const std::vector<Setting> left = documentSettings(a);
    const std::vector<Setting> right = documentSettings(b);
    std::map<std::string, std::string> rightValues;
    for (const Setting& s : right) rightValues[keyOf(s.path, s.path.size())] = s.value;
    std::set<std::string> leftKeys, rightChannels, leftChannels;
    for (const Setting& s : right)
        if (!channelOf(s).empty()) rightChannels.insert(channelOf(s));

    std::vector<std::string> out;
    for (const Setting& s : left) {
        const std::string key = keyOf(s.path, s.path.size());
        leftKeys.insert(key);
        const std::string channel = channelOf(s);
        if (!channel.empty()) leftChannels.insert(channel);
        if (!channel.empty() && !rightChannels.count(channel)) {
            if (s.path[3] == kFrequencyKey) out.push_back(channel + ": " + s.value + " -> " + kNone);
            continue;
        }
        const auto it = rightValues.find(key);
        const std::string other = it == rightValues.end() ? kNone : it->second;
        if (other != s.value) out.push_back(key + ": " + s.value + " -> " + other);
    }
    for (const Setting& s : right) {
        const std::string channel = channelOf(s);
        if (!channel.empty() && !leftChannels.count(channel) && s.path[3] == kFrequencyKey)
            out.push_back(channel + ": " + kNone + " -> " + s.value);
        else if (channel.empty() && !leftKeys.count(keyOf(s.path, s.path.size())))
            out.push_back(keyOf(s.path, s.path.size()) + ": " + kNone + " -> " + s.value);
    }

    for (const auto& [name, offsets] : coveredBytes(a, b)) {
        if (name == "Data file") {
            compareStored("data file", writeHeaderBytes(a.header), writeHeaderBytes(b.header), offsets, out);
            continue;
        }
        const ChannelRecord* ca = channelNamed(a, name);
        const ChannelRecord* cb = channelNamed(b, name);
        if (ca != nullptr && cb != nullptr) compareStored(name, writeChannelBytes(*ca), writeChannelBytes(*cb), offsets, out);
    }
    return out;
}

}  // namespace mv52
