#include "exchange/config_settings.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "data/value_helpers.h"
#include "document/control_row.h"
#include "document/workspace.h"
#include "lang/roger_beep_texts.h"
#include "options/option_controls.h"
#include "storage/default_document.h"
#include "tones/dtmf_controls.h"
#include "tones/roger_controls.h"

namespace mv52 {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

// Every table with the state its rows read: the selected channel, the shown roger entry.
class Forms {
public:
    Forms() = default;
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    int row = 0;
    int rogerEntry = 1;
    const std::vector<ControlRow> channel = channelControls(row);
    const std::vector<ControlRow> roger = rogerBeepControls([this] { return rogerEntry; });

    // A channel row's key: its label, the code lists named by direction (the window shows
    // only the one the tone type chooses, under the same caption).
    static std::string channelKey(const ControlRow& r) {
        if (r.objectName == "Combo8_19" || r.objectName == "Combo8_20") return "RX " + r.label(kEnglish);
        if (r.objectName == "Combo8_0" || r.objectName == "Combo8_16") return "TX " + r.label(kEnglish);
        return r.label(kEnglish);
    }
    static bool isCodeList(const ControlRow& r) { return r.visible != nullptr; }

    // A roger row's key below its entry: a tone's two lists are one tone with two columns.
    static std::vector<std::string> rogerKey(const ControlRow& r) {
        const std::string name = r.objectName;
        if (name.rfind("Combo3_", 0) == 0 || name.rfind("Combo4_", 0) == 0) {
            const int tone = numberFromText(name.substr(7), 0) + 1;
            const RogerText column = name[5] == '3' ? RogerText::FrequencyHeader : RogerText::LengthHeader;
            return {toneRowName(tone, kEnglish), text(column, kEnglish)};
        }
        return {r.label(kEnglish)};
    }
};

// Shows (work mode, group) as the channel window would, for the channel rows to read.
void showGroup(Document& doc, int m, int g) {
    doc.header.currentWorkMode = static_cast<std::int16_t>(m);
    doc.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(g);
}

std::string joinedItems(const ControlRow& row, const Document& doc) {
    if (row.kind == ControlKind::Check) return "on, off";
    if (row.kind == ControlKind::Text) return row.takes;
    const std::vector<std::string> items = row.items(doc, kEnglish);
    std::string out;
    for (std::size_t i = 0; i < items.size() && i < 12; ++i) out += (i == 0 ? "" : ", ") + items[i];
    if (items.size() > 12) out += ", ... (" + std::to_string(items.size()) + " items)";
    return out;
}

std::string pathText(const std::vector<std::string>& path) {
    std::string out;
    for (std::size_t i = 1; i < path.size(); ++i) out += (i == 1 ? "" : " ") + path[i];
    return out;
}

// False when the control does not offer the item.
bool choose(const ControlRow& row, Document& doc, const Setting& s, ImportResult& result) {
    // A list the document leaves empty (the emergency channels of a group without channels)
    // shows nothing, and nothing is what can be chosen.
    if (row.kind == ControlKind::List && s.value.empty() && row.items(doc, kEnglish).empty()) return true;
    return applyItem(row, doc, s.value, kEnglish, &result.effects);
}

// The stored text with the point after the whole megahertz, as the grid shows it.
std::string pointed(const std::string& stored) {
    return stored.size() >= 2 ? stored.substr(0, 2) + "." + stored.substr(2) : stored;
}

// Whether the typed-frequency path takes `text` for the channel: a number within the group's
// band (a group's M1-M6, which nobody types, only need to be a number of megahertz).
bool takesTyped(const BandLimits& limits, int m, int g, int number, std::string_view text) {
    const std::optional<double> mhz = isNumeric(text) ? parseNumber(text) : std::nullopt;
    if (!mhz || *mhz <= 0 || *mhz >= 100) return false;
    if (number > 40 && !isMemGroup(m, g)) return true;
    return !checkFrequency(*mhz, limits, m, g, false).outOfRange;
}

// "NN.NNNNNN": all eight places of a stored frequency, whatever they hold.
bool isFullStoredForm(std::string_view text) { return text.size() == 9 && text[2] == '.'; }
std::string storedOfFullForm(std::string_view text) { return std::string(text.substr(0, 2)) + std::string(text.substr(3)); }
// Bytes a text file cannot carry (control characters, bytes that are not ASCII) are written as
// "0"; the stored bytes then travel under Stored.
std::string fullStoredForm(std::string stored) {
    stored.resize(8, '0');
    for (char& c : stored)
        if (c < ' ' || c > '~') c = '0';
    return pointed(stored);
}

// A frequency the typed path would not take back (outside the group's band, zero, not a
// number: what a read or a foreign file can hold) is written with all eight places, the form
// an import stores as written.
std::string exportedFrequency(const BandLimits& limits, int m, int g, const ChannelRecord& c) {
    const std::string shown = pointed(c.RxFrequency.clean());
    return takesTyped(limits, m, g, c.ChannelNumber, shown) ? shown : fullStoredForm(c.RxFrequency.clean());
}

const ControlRow* byLabel(const std::vector<ControlRow>& rows, std::string_view label) {
    for (const ControlRow& r : rows)
        if (r.label && r.label(kEnglish) == label) return &r;
    return nullptr;
}

// The frequency as written when it names the value the window stored, so that its digits
// survive ("28.015000" and "28.01500" are the same frequency, stored differently).
void keepWrittenDigits(ChannelRecord& c, std::string_view written, bool added) {
    const std::optional<double> w = isNumeric(written) ? parseNumber(written) : std::nullopt;
    const std::optional<double> s = parseNumber(storedToDisplay(c.RxFrequency.clean(), 0.0).text);
    const std::size_t point = written.find('.');
    if (!w || !s || std::abs(*w - *s) > 1e-7 || point == std::string_view::npos || point > 2 ||
        written.size() - point - 1 > 6)
        return;
    const std::string stored = enteredToStored(written, 0.0);
    c.RxFrequency.set(stored);
    if (added) c.TxFrequency.set(stored);
}

}  // namespace

std::string groupTitle(int m, int g) { return std::string(m == kWorkModeCb ? "CB " : "HAM ") + groupLetter(m, g); }

bool groupFromTitle(std::string_view title, int& m, int& g) {
    for (int mode = 0; mode < kWorkModeCount; ++mode)
        for (int group = 1; group <= groupCount(mode); ++group)
            if (groupTitle(mode, group) == title) {
                m = mode;
                g = group;
                return true;
            }
    return false;
}

std::string channelTitle(int m, int g, int number) {
    if (isMemGroup(m, g)) return "CH M" + std::to_string(number);
    return "CH " + GetCHName(number);
}

int channelFromTitle(int m, int g, std::string_view title) {
    if (title.rfind("CH ", 0) != 0) return 0;
    std::string_view name = title.substr(3);
    const bool memory = !name.empty() && name.front() == 'M';
    const std::string_view digits = memory ? name.substr(1) : name;
    if (!isDigits(digits) || digits.size() > 2 || digits.front() == '0') return 0;
    const int n = numberFromText(digits, 0);
    if (isMemGroup(m, g)) return memory && n >= 1 && n <= 99 ? n : 0;
    if (memory) return n >= 1 && n <= 6 && !isVfoGroup(m, g) ? 40 + n : 0;
    return n >= 1 && n <= groupCapacity(m, g) ? n : 0;
}

std::unique_ptr<Workspace> settingsBase() {
    // Built once: every import, export and comparison starts from it (the fuzz targets many
    // thousand times a second), and a copy costs far less than the defaults' rules.
    static const std::unique_ptr<const Workspace> base = [] {
        auto ws = Workspace::create();
        applyDefaultDocument(*ws, "");
        ws->setBandFromWorkMode();
        return std::unique_ptr<const Workspace>(std::move(ws));
    }();
    return std::make_unique<Workspace>(*base);
}

std::vector<Setting> documentSettings(const Document& source) {
    auto ws = Workspace::create();
    ws->current = source;
    Document& doc = ws->current;
    Forms forms;
    std::vector<Setting> out;
    for (const ControlRow& r : optionControls()) out.push_back({{kOptionsSection, r.label(kEnglish)}, shownItem(r, doc, kEnglish)});
    for (const auto* table : {&dtmfEncodeControls(), &dtmfMemoryControls()})
        for (const ControlRow& r : *table) out.push_back({{kDtmfSection, r.label(kEnglish)}, shownItem(r, doc, kEnglish)});
    for (forms.rogerEntry = 1; forms.rogerEntry <= kRogerEntryCount; ++forms.rogerEntry)
        for (const ControlRow& r : forms.roger) {
            std::vector<std::string> path = {kRogerSection, rogerTabCaption(forms.rogerEntry, kEnglish)};
            for (std::string& k : Forms::rogerKey(r)) path.push_back(std::move(k));
            out.push_back({std::move(path), shownItem(r, doc, kEnglish)});
        }
    forEachGroup([&](int m, int g) {
        showGroup(doc, m, g);
        ws->setBandFromWorkMode();
        const std::string group = groupTitle(m, g);
        for (const ControlRow& r : forms.channel)
            if (r.group == static_cast<int>(ChannelGroup::GroupSettings))
                out.push_back({{kChannelsSection, group, r.label(kEnglish)}, shownItem(r, doc, kEnglish)});
        // In the order of their records, so that an import stores them in the same places.
        for (int p = 1; p <= std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup); ++p) {
            const ChannelRecord& c = doc.channels.slot(m, g, p);
            forms.row = c.ChannelNumber;
            const std::string channel = channelTitle(m, g, c.ChannelNumber);
            out.push_back({{kChannelsSection, group, channel, kFrequencyKey}, exportedFrequency(ws->bandLimits, m, g, c)});
            for (const ControlRow& r : forms.channel) {
                if (r.group != static_cast<int>(ChannelGroup::Information) || (Forms::isCodeList(r) && !r.visible(doc)))
                    continue;
                out.push_back({{kChannelsSection, group, channel, Forms::channelKey(r)}, shownItem(r, doc, kEnglish)});
            }
        }
    });
    return out;
}

void applySettings(Workspace& ws, const std::vector<Setting>& settings, ImportResult& result, SettingsScope scope,
                   std::vector<Setting>* heldReferences) {
    Document& doc = ws.current;
    // The groups are shown one after another below; the shown group is the window's, not a setting.
    const std::int16_t shownMode = doc.header.currentWorkMode;
    const auto shownGroups = doc.header.currentGroup;
    Forms forms;
    std::set<const Setting*> refused;  // once each, though the options are applied twice
    auto refuse = [&](const Setting& s, std::string reason) {
        if (refused.insert(&s).second) result.refusals.push_back({s.line, pathText(s.path) + ": " + std::move(reason)});
    };
    // A choice a list does not offer yet may be offered once the rest of the file is in: a
    // reference to a DTMF memory or roger entry that comes later, an emergency channel of a
    // channel further down. Such choices are tried again after everything else, and only
    // refused then.
    std::vector<const Setting*> deferred;
    bool lastTry = false;
    auto choice = [&](const ControlRow& row, const Setting& s) {
        if (choose(row, doc, s, result)) return;
        if (!lastTry) {
            if (std::find(deferred.begin(), deferred.end(), &s) == deferred.end()) deferred.push_back(&s);
            return;
        }
        if (row.reference && heldReferences != nullptr && isDigits(s.value) && s.value.size() <= 2) {
            result.effects |= row.write(doc, {0, s.value});
            heldReferences->push_back(s);
            return;
        }
        refuse(s, "'" + s.value + "' is not offered; it offers " + joinedItems(row, doc));
    };

    auto option = [&](const Setting& s) {
        const ControlRow* r = s.path.size() == 2 ? optionControlByLabel(s.path[1]) : nullptr;
        if (r == nullptr) return refuse(s, "no control of the optional features has this label");
        choice(*r, s);
    };
    auto dtmf = [&](const Setting& s) {
        const ControlRow* r = nullptr;
        if (s.path.size() == 2) r = byLabel(dtmfEncodeControls(), s.path[1]);
        if (s.path.size() == 2 && r == nullptr) r = byLabel(dtmfMemoryControls(), s.path[1]);
        if (r == nullptr) return refuse(s, "no control of the DTMF window has this label");
        choice(*r, s);
    };
    auto roger = [&](const Setting& s) {
        int entry = 0;
        for (int n = 1; n <= kRogerEntryCount; ++n)
            if (s.path.size() >= 3 && s.path[1] == rogerTabCaption(n, kEnglish)) entry = n;
        if (entry == 0) return refuse(s, "the roger-beep entries are RB Tone 1 to RB Tone 8");
        forms.rogerEntry = entry;
        const std::vector<std::string> key(s.path.begin() + 2, s.path.end());
        for (const ControlRow& r : forms.roger)
            if (Forms::rogerKey(r) == key) return choice(r, s);
        refuse(s, "no control of the roger-beep window has this label");
    };
    std::set<std::tuple<int, int, int>> seen;
    auto frequency = [&](const Setting& s, int m, int g, int number) {
        if (!seen.insert({m, g, number}).second) return refuse(s, "the channel is named twice");
        const bool added = doc.findChannel(m, g, number) == 0;
        if (!takesTyped(ws.bandLimits, m, g, number, s.value)) {
            if (!isFullStoredForm(s.value)) {
                if (number > 40 && !isMemGroup(m, g)) return refuse(s, "'" + s.value + "' is not a frequency in MHz");
                return refuse(s, "'" + s.value + "' is outside the group's band (" + ws.bandText + ")");
            }
            // As a read from a radio can hold it: stored as written, band or not.
            if (added && !doc.appendChannel(m, g, number, "")) return refuse(s, "the group is full");
            ChannelRecord& c = doc.channels.slot(m, g, doc.findChannel(m, g, number));
            c.RxFrequency.set(storedOfFullForm(s.value));
            if (added) c.TxFrequency.set(storedOfFullForm(s.value));
            return;
        }
        // A group's memory channels M1-M6 have no row in the grid: nobody types them, so they
        // are taken as stored (the defaults put 28 MHz ones in 21 MHz groups).
        if (number > 40 && !isMemGroup(m, g)) {
            if (added && !doc.appendChannel(m, g, number, s.value)) return refuse(s, "the group is full");
            const int p = doc.findChannel(m, g, number);
            doc.channels.slot(m, g, p).RxFrequency.set(enteredToStored(s.value, 0.0));
            keepWrittenDigits(doc.channels.slot(m, g, p), s.value, added);
            return;
        }
        const ChannelUpdate update = updateChannelFrequency(ws, number, s.value);
        const int p = doc.findChannel(m, g, number);
        if (update.outOfRange || p == 0) return refuse(s, "'" + s.value + "' is refused");
        keepWrittenDigits(doc.channels.slot(m, g, p), s.value, added);
    };
    auto channel = [&](const Setting& s) {
        int m = 0, g = 0;
        if (s.path.size() != 4 || !groupFromTitle(s.path[1], m, g)) return;
        const int number = channelFromTitle(m, g, s.path[2]);
        if (number == 0) return refuse(s, "group " + s.path[1] + " has no channel named " + s.path[2]);
        showGroup(doc, m, g);
        ws.setBandFromWorkMode();
        forms.row = number;
        if (s.path[3] == kFrequencyKey) {
            if (scope == SettingsScope::Values) return refuse(s, "a frequency is not a value of a control");
            return frequency(s, m, g, number);
        }
        if (doc.findChannel(m, g, number) == 0) return refuse(s, "the channel has no Frequency before its settings");
        for (const ControlRow& r : forms.channel) {
            if (r.group != static_cast<int>(ChannelGroup::Information) || Forms::channelKey(r) != s.path[3]) continue;
            if (Forms::isCodeList(r) && !r.visible(doc)) continue;
            return choice(r, s);
        }
        refuse(s, "no control of the channel window has this label, or the tone type does not show it");
    };
    auto groupSetting = [&](const Setting& s) {
        int m = 0, g = 0;
        if (s.path.size() != 3 || !groupFromTitle(s.path[1], m, g)) return;
        showGroup(doc, m, g);
        ws.setBandFromWorkMode();
        for (const ControlRow& r : forms.channel)
            if (r.group == static_cast<int>(ChannelGroup::GroupSettings) && r.label(kEnglish) == s.path[2])
                return choice(r, s);
        refuse(s, "no group setting of the channel window has this label");
    };
    auto apply = [&](const Setting& s) {
        const std::string& section = s.path.empty() ? std::string() : s.path[0];
        if (section == kOptionsSection) return option(s);
        if (section == kDtmfSection) return dtmf(s);
        if (section == kRogerSection) return roger(s);
        if (section != kChannelsSection) return;
        if (s.path.size() == 4) return channel(s);
        groupSetting(s);
    };
    auto each = [&](auto&& wanted) {
        for (const Setting& s : settings)
            if (wanted(s)) apply(s);
    };
    auto in = [](const char* name) { return [name](const Setting& s) { return !s.path.empty() && s.path[0] == name; }; };

    // Twice: a rule may refuse a choice until a later one is in (the last mode enable switched
    // off before the one switched on further down); the second pass makes it.
    each(in(kOptionsSection));
    each(in(kOptionsSection));
    each(in(kDtmfSection));
    each(in(kRogerSection));
    // Channels: every group named is emptied, then filled in the order given.
    std::set<std::pair<int, int>> named;
    for (const Setting& s : settings) {
        if (s.path.empty() || s.path[0] != kChannelsSection) continue;
        int m = 0, g = 0;
        if (s.path.size() < 3 || !groupFromTitle(s.path[1], m, g)) {
            refuse(s, "the groups are CB A to CB O, CB MEM, CB VFO, HAM A to HAM L, HAM MEM and HAM VFO");
            continue;
        }
        if (named.insert({m, g}).second && scope == SettingsScope::Whole) doc.count(m, g) = 0;
    }
    each([&](const Setting& s) { return in(kChannelsSection)(s) && s.path.size() == 4; });
    each([&](const Setting& s) { return in(kChannelsSection)(s) && s.path.size() == 3; });
    lastTry = true;
    const std::vector<const Setting*> again = std::move(deferred);
    for (const Setting* s : again) apply(*s);

    if (scope == SettingsScope::Whole)
        for (const auto& [m, g] : named) revalidateGroupReferences(doc, m, g);
    doc.header.currentWorkMode = shownMode;
    doc.header.currentGroup = shownGroups;
    ws.setBandFromWorkMode();
}

}  // namespace mv52
