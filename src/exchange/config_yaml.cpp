#include "exchange/config_yaml.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "channels/channel_editing.h"
#include "data/groups.h"
#include "data/tone_codes.h"
#include "document/control_row.h"
#include "document/workspace.h"
#include "exchange/config_settings.h"
#include "storage/data_file_layout.h"

namespace mv52 {
namespace {

constexpr const char* kStoredSection = "Stored";
constexpr const char* kDataFileKey = "Data file";
constexpr int kLevelsOfSettings = 4;  // section, group or entry, channel or tone, column

std::string hexOf(const std::uint8_t* bytes, std::size_t n) {
    static const char* const kDigits = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Runs of differing bytes as offset -> hex of `want`.
template <std::size_t N>
std::map<std::size_t, std::string> byteRuns(const std::array<std::uint8_t, N>& have, const std::array<std::uint8_t, N>& want) {
    std::map<std::size_t, std::string> runs;
    for (std::size_t i = 0; i < N;) {
        if (have[i] == want[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < N && have[end] != want[end]) ++end;
        runs[i] = hexOf(want.data() + i, end - i);
        i = end;
    }
    return runs;
}


// What the settings cannot give back: the data file's and each channel record's bytes that
// differ between `want` and the settings applied to the defaults.
}  // namespace

Patches storedPatches(const Document& want) {
    auto ws = settingsBase();
    ImportResult ignored;
    applySettings(*ws, documentSettings(want), ignored);
    const Document& have = ws->current;
    Patches out;
    DocumentHeader wantHeader = want.header;
    const auto header = byteRuns(writeHeaderBytes(have.header), writeHeaderBytes(wantHeader));
    if (!header.empty()) out.emplace_back(kDataFileKey, header);
    forEachGroup([&](int m, int g) {
        for (int p = 1; p <= std::clamp<int>(want.count(m, g), 0, kSlotsPerGroup); ++p) {
            const ChannelRecord& w = want.channels.slot(m, g, p);
            const auto runs = byteRuns(writeChannelBytes(have.channels.slot(m, g, p)), writeChannelBytes(w));
            if (!runs.empty()) out.emplace_back(groupTitle(m, g) + " " + channelTitle(m, g, w.ChannelNumber), runs);
        }
    });
    return out;
}

namespace {

// A cheap look at the text before the parser sees it: the parser recurses once per level of
// nesting, and this format has four, so anything much deeper is refused here.
std::string depthFault(std::string_view text, int& line) {
    line = 1;
    int flow = 0;
    std::size_t lineStart = 0;
    bool inQuote = false;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            lineStart = i + 1;
            continue;
        }
        if (inQuote) {
            if (c == quote) inQuote = false;
            continue;
        }
        if (c == '#' && (i == lineStart || text[i - 1] == ' ')) {
            while (i + 1 < text.size() && text[i + 1] != '\n') ++i;
            continue;
        }
        if (c == '"' || c == '\'') {
            inQuote = true;
            quote = c;
        } else if (c == '[' || c == '{') {
            if (++flow > kConfigMaxDepth) return "lists or maps nested deeper than " + std::to_string(kConfigMaxDepth);
        } else if (c == ']' || c == '}') {
            flow = std::max(0, flow - 1);
        }
        // Block nesting needs indentation or "- " markers at the start of a line.
        if (i - lineStart > static_cast<std::size_t>(8 * kConfigMaxDepth) &&
            std::all_of(text.begin() + static_cast<std::ptrdiff_t>(lineStart), text.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        [](char k) { return k == ' ' || k == '-' || k == '\t' || k == '?' || k == ':'; }))
            return "indented deeper than " + std::to_string(8 * kConfigMaxDepth) + " columns";
    }
    return {};
}

int lineOf(const YAML::Node& node) { return node.Mark().line + 1; }

const char* kindName(const YAML::Node& node) {
    switch (node.Type()) {
        case YAML::NodeType::Map: return "a map";
        case YAML::NodeType::Sequence: return "a list";
        case YAML::NodeType::Scalar: return "a single value";
        default: return "empty";
    }
}

class Reader {
public:
    ImportResult& result;
    std::vector<Setting> settings;
    std::vector<std::pair<Setting, std::map<std::size_t, std::pair<std::string, int>>>> patches;  // hex, line

    explicit Reader(ImportResult& r) : result(r) {}

    // Stops the reading at once, with one refusal, when the keys exceed the limit.
    struct TooManyKeys {};
    int keys = 0;

    void fault(const YAML::Node& node, std::string reason) { result.refusals.push_back({lineOf(node), std::move(reason)}); }

    // Each key of a map once, as text.
    template <typename F>
    void eachKey(const YAML::Node& map, const std::string& where, F&& f) {
        std::set<std::string> seen;
        for (auto it = map.begin(); it != map.end(); ++it) {
            if (++keys > kConfigMaxKeys) throw TooManyKeys{};
            if (!it->first.IsScalar()) {
                fault(it->first, where + ": a key must be a single value");
                continue;
            }
            const std::string key = it->first.Scalar();
            if (key.size() > kConfigMaxValueBytes) {
                fault(it->first, where + ": a key longer than " + std::to_string(kConfigMaxValueBytes) + " characters");
                continue;
            }
            if (!seen.insert(key).second) {
                fault(it->first, (where.empty() ? "" : where + " ") + key + " appears twice");
                continue;
            }
            f(key, it->second);
        }
    }

    // Settings below `path`: maps down to the values.
    void readSettings(const YAML::Node& node, std::vector<std::string> path) {
        const std::string where = [&] {
            std::string w;
            for (std::size_t i = 1; i < path.size(); ++i) w += (i == 1 ? "" : " ") + path[i];
            return w.empty() ? path.front() : w;
        }();
        if (node.IsMap() && path.size() < static_cast<std::size_t>(kLevelsOfSettings)) {
            eachKey(node, where, [&](const std::string& key, const YAML::Node& value) {
                std::vector<std::string> deeper = path;
                deeper.push_back(key);
                readSettings(value, std::move(deeper));
            });
            return;
        }
        if (!node.IsScalar() && !node.IsNull()) {
            fault(node, where + " must be a single value, not " + std::string(kindName(node)));
            return;
        }
        const std::string value = node.IsNull() ? std::string() : node.Scalar();
        if (value.size() > kConfigMaxValueBytes) {
            fault(node, where + ": a value longer than " + std::to_string(kConfigMaxValueBytes) + " characters");
            return;
        }
        settings.push_back({std::move(path), value, lineOf(node)});
    }

    void readStored(const YAML::Node& node) {
        if (!node.IsMap()) return fault(node, std::string(kStoredSection) + " must be a map, not " + kindName(node));
        eachKey(node, kStoredSection, [&](const std::string& key, const YAML::Node& runs) {
            if (!runs.IsMap()) return fault(runs, key + " must be a map of offsets, not " + std::string(kindName(runs)));
            std::map<std::size_t, std::pair<std::string, int>> bytes;
            eachKey(runs, key, [&](const std::string& offset, const YAML::Node& hex) {
                if (!hex.IsScalar() || offset.empty() || offset.size() > 5 ||
                    !std::all_of(offset.begin(), offset.end(), [](char c) { return c >= '0' && c <= '9'; }))
                    return fault(hex, key + ": stored bytes are written as offset: hex digits");
                bytes[std::stoul(offset)] = {hex.Scalar(), lineOf(hex)};
            });
            patches.push_back({{{kStoredSection, key}, {}, lineOf(runs)}, std::move(bytes)});
        });
    }
};

// Writes `hex` at `offset` of `bytes`; a reason when it does not fit or is not hex.
template <std::size_t N>
std::string patch(std::array<std::uint8_t, N>& bytes, std::size_t offset, const std::string& hex) {
    if (hex.empty() || hex.size() % 2 != 0 || hex.size() / 2 > N || offset > N - hex.size() / 2)
        return "offset " + std::to_string(offset) + ": '" + hex.substr(0, 16) + "' is not an even count of hex digits within the " +
               std::to_string(N) + " bytes";
    for (std::size_t i = 0; i < hex.size() / 2; ++i) {
        const int hi = hexDigitValue(hex[2 * i]), lo = hexDigitValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) return "offset " + std::to_string(offset) + ": '" + hex.substr(0, 16) + "' is not hex digits";
        bytes[offset + i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    return {};
}

// What stored bytes may not put into a field: a value outside what the field holds (a work
// mode of 9, a group of 32639) would reach beyond the tables the radio image is built from.
// The reason for the first field out of range, or "".
std::string storedRangeFault(const DocumentHeader& h) {
    const auto outside = [](int v, int low, int high) { return v < low || v > high; };
    const auto group = [&](int m, int g) { return outside(g, 1, vfoGroup(m)); };
    if (!std::all_of(h.channelCount.values.begin(), h.channelCount.values.end(),
                     [&](std::int16_t c) { return !outside(c, 0, kSlotsPerGroup); }))
        return "the channel counts must stay within 0 to 99";
    // The work mode travels in the low nibble of an image byte: whatever a read brings (0 to
    // 15) travels back, and nothing larger reaches the band nibble beside it.
    const OptionRecord& o = h.options;
    if (outside(h.currentWorkMode, 0, 15) || outside(o.workMode, 0, 15)) return "the work mode must stay within 0 to 15";
    // The group the window shows indexes the per-group tables; the radio's current groups
    // travel in one image byte each (plus one), as a read brings them.
    for (int m = 0; m < kWorkModeCount; ++m)
        if (group(m, h.currentGroup.at(static_cast<std::size_t>(m))) ||
            outside(m == kWorkModeCb ? o.currentCbGroup : o.currentHamGroup, 0, 256))
            return std::string("the current ") + (m == kWorkModeCb ? "CB" : "HAM") + " group is outside the groups of its work mode";
    return {};
}

void applyPatches(Document& doc, const Reader& reader, ImportResult& result) {
    for (const auto& patchOf : reader.patches) {
        const Setting& where = patchOf.first;
        const auto& runs = patchOf.second;
        const std::string& key = where.path[1];
        auto refuse = [&](const std::string& reason, int line = 0) {
            result.refusals.push_back({line > 0 ? line : where.line, key + ": " + reason});
        };
        if (key == kDataFileKey) {
            HeaderBytes bytes = writeHeaderBytes(doc.header);
            for (const auto& [offset, hexAndLine] : runs)
                if (std::string reason = patch(bytes, offset, hexAndLine.first); !reason.empty())
                    refuse(reason, hexAndLine.second);
            DocumentHeader header;
            readHeaderBytes(bytes, header);
            if (std::string reason = storedRangeFault(header); !reason.empty())
                refuse(reason);
            else
                doc.header = header;
            continue;
        }
        // "CB A CH 7": the group's title is the text before " CH ".
        const std::size_t split = key.find(" CH ");
        int m = 0, g = 0;
        const int number = split == std::string::npos || !groupFromTitle(key.substr(0, split), m, g)
                               ? 0
                               : channelFromTitle(m, g, key.substr(split + 1));
        const int p = number == 0 ? 0 : doc.findChannel(m, g, number);
        if (p == 0) {
            refuse("no such channel among the channels above");
            continue;
        }
        ChannelBytes bytes = writeChannelBytes(doc.channels.slot(m, g, p));
        for (const auto& [offset, hexAndLine] : runs)
            if (std::string reason = patch(bytes, offset, hexAndLine.first); !reason.empty())
                refuse(reason, hexAndLine.second);
        // A channel's fields take what a data file or a read can hold: each is masked to its
        // width when packed, so none reaches another.
        readChannelBytes(bytes, doc.channels.slot(m, g, p));
    }
}

// References written before the entries they name were in: the final document must show them.
void checkHeldReferences(const Document& doc, const std::vector<Setting>& held, ImportResult& result) {
    if (held.empty()) return;
    std::map<std::vector<std::string>, std::string> shown;
    for (Setting& s : documentSettings(doc)) shown[s.path] = std::move(s.value);
    for (const Setting& s : held) {
        const auto it = shown.find(s.path);
        if (it != shown.end() && it->second == s.value) continue;
        std::string where;
        for (std::size_t i = 1; i < s.path.size(); ++i) where += (i == 1 ? "" : " ") + s.path[i];
        result.refusals.push_back({s.line, where + ": '" + s.value + "' names a roger-beep entry or DTMF memory that is not valid"});
    }
}

void emitScalar(YAML::Emitter& out, const std::string& value) { out << YAML::DoubleQuoted << value; }

}  // namespace

std::string exportConfigYaml(const Document& doc) {
    const std::vector<Setting> settings = documentSettings(doc);
    const RadioInfoRecord& ri = doc.header.radioInfo;
    YAML::Emitter out;
    out << YAML::Comment("MV52 configuration, written by the MV52 programming tool");
    out << YAML::Newline;
    out << YAML::Comment("Model " + ri.modelType.clean() + ", firmware " + ri.versionText.clean() + ", date " +
                         ri.dateStamp.clean() + ", data file version " + doc.header.version.clean());
    out << YAML::Newline;
    out << YAML::Comment("Every setting by its window's label, with the item as the window shows it.");
    out << YAML::BeginMap;
    // Opens and closes maps so that each setting sits under its path.
    std::vector<std::string> open;
    for (const Setting& s : settings) {
        std::size_t common = 0;
        while (common < open.size() && common + 1 < s.path.size() && open[common] == s.path[common]) ++common;
        for (; open.size() > common; open.pop_back()) out << YAML::EndMap;
        for (; open.size() + 1 < s.path.size(); open.push_back(s.path[open.size()]))
            out << YAML::Key << s.path[open.size()] << YAML::Value << YAML::BeginMap;
        out << YAML::Key << s.path.back() << YAML::Value;
        emitScalar(out, s.value);
    }
    for (; !open.empty(); open.pop_back()) out << YAML::EndMap;
    const Patches patches = storedPatches(doc);
    if (!patches.empty()) {
        out << YAML::Key << kStoredSection << YAML::Value;
        out << YAML::Comment("stored bytes no window shows: offset in the data file or channel record, then hex");
        out << YAML::BeginMap;
        for (const auto& [key, runs] : patches) {
            out << YAML::Key << key << YAML::Value << YAML::BeginMap;
            for (const auto& [offset, hex] : runs) {
                out << YAML::Key << YAML::DoubleQuoted << std::to_string(offset) << YAML::Value;
                emitScalar(out, hex);
            }
            out << YAML::EndMap;
        }
        out << YAML::EndMap;
    }
    out << YAML::EndMap;
    return std::string(out.c_str()) + "\n";
}

ImportResult importConfigYaml(Document& doc, std::string_view text) {
    ImportResult result;
    if (text.size() > kConfigMaxBytes) {
        result.refusals.push_back({0, "the file is larger than " + std::to_string(kConfigMaxBytes >> 20) +
                                          " MB; a radio with every channel in use is about 1.5 MB"});
        return result;
    }
    int line = 0;
    if (std::string reason = depthFault(text, line); !reason.empty()) {
        result.refusals.push_back({line, reason});
        return result;
    }
    YAML::Node root;
    try {
        root = YAML::Load(std::string(text));
    } catch (const YAML::Exception& e) {
        result.refusals.push_back({e.mark.line + 1, "not YAML: " + e.msg});
        return result;
    }
    if (!root.IsMap()) {
        result.refusals.push_back({1, std::string("the file must be a map of sections, not ") + kindName(root)});
        return result;
    }
    Reader reader(result);
    try {
        reader.eachKey(root, "", [&](const std::string& key, const YAML::Node& value) {
            if (key == kStoredSection) return reader.readStored(value);
            for (const char* section : {kOptionsSection, kDtmfSection, kRogerSection, kChannelsSection})
                if (key == section) {
                    if (!value.IsMap())
                        return reader.fault(value, key + " must be a map, not " + std::string(kindName(value)));
                    return reader.readSettings(value, {key});
                }
            reader.fault(value, "unknown section " + key + " (Options, DTMF, Roger beep, Channels, Stored)");
        });
    } catch (const YAML::Exception& e) {
        result.refusals.push_back({e.mark.line + 1, "not YAML: " + e.msg});
    } catch (const Reader::TooManyKeys&) {
        result.refusals = {{0, "more than " + std::to_string(kConfigMaxKeys) + " keys (counting those aliases repeat); a radio "
                                "with every channel in use has about 27,000"}};
    }
    if (!result.ok()) {
        sortRefusals(result);
        return result;
    }

    auto ws = settingsBase();
    std::vector<Setting> held;
    applySettings(*ws, reader.settings, result, SettingsScope::Whole, &held);
    if (result.ok()) applyPatches(ws->current, reader, result);
    if (result.ok()) checkHeldReferences(ws->current, held, result);
    if (!result.ok()) {
        sortRefusals(result);
        result.effects = 0;
        return result;
    }
    doc = ws->current;
    result.effects |= kEffectChannels | kEffectChannelWindow | kEffectRogerReferences | kEffectDtmfReferences;
    return result;
}

}  // namespace mv52
