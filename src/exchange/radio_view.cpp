#include "exchange/radio_view.h"

#include <map>
#include <string_view>

#include "document/workspace.h"
#include "exchange/config_settings.h"
#include "storage/codec.h"

namespace mv52 {
namespace {

std::string keyOf(const Setting& s) {
    std::string out;
    for (const std::string& part : s.path) out += (out.empty() ? "" : " ") + part;
    return out;
}

// The image `doc` would be written as, decoded over `base`.
std::unique_ptr<Workspace> readBack(const Document& doc, std::unique_ptr<Workspace> base) {
    auto written = Workspace::create();
    written->current = doc;
    written->setBandFromWorkMode();
    written->image.preTransferFill();
    encodeDocument(*written);
    base->image = written->image;
    decodeImage(*base);
    return base;
}

std::unique_ptr<Workspace> readBackOverItself(const Document& doc) {
    auto self = Workspace::create();
    self->current = doc;
    return readBack(doc, std::move(self));
}

std::map<std::string, std::string> shownBy(const Document& doc) {
    std::map<std::string, std::string> shown;
    for (Setting& s : documentSettings(doc)) shown[keyOf(s)] = std::move(s.value);
    return shown;
}

// Settings of the document that its radio view shows otherwise, with the view's item. Only
// what the image carries counts: read back over the defaults and over the document itself,
// a setting the image does not carry shows the defaults' item in one and the document's in
// the other.
std::vector<Setting> disagreements(const Document& doc) {
    const auto overDefaults = shownBy(radioView(doc)->current);
    const auto overItself = shownBy(readBackOverItself(doc)->current);
    // The channels of each group, by title: a group whose channels the image changes (the VFO
    // channel every read brings) offers other emergency channels, which is the grid's doing.
    const std::vector<Setting> settings = documentSettings(doc);
    auto channelsOf = [](const std::map<std::string, std::string>& shown, const std::string& group) {
        const std::string_view frequency = kFrequencyKey;
        std::vector<std::string> channels;
        for (auto it = shown.lower_bound(group); it != shown.end() && it->first.rfind(group, 0) == 0; ++it)
            if (std::string_view(it->first).ends_with(frequency)) channels.push_back(it->first);
        return channels;
    };
    std::map<std::string, std::string> own;
    for (const Setting& s : settings) own[keyOf(s)] = s.value;
    std::vector<Setting> out;
    for (Setting s : settings) {
        if (s.path.back() == kFrequencyKey) continue;  // the frequency is the grid's, not a control's
        const std::string key = keyOf(s);
        if (s.path.size() == 3 && s.path[0] == kChannelsSection) {
            const std::string group = s.path[0] + " " + s.path[1] + " ";
            if (channelsOf(own, group) != channelsOf(overDefaults, group)) continue;
        }
        const auto radio = overDefaults.find(key);
        const auto itself = overItself.find(key);
        if (radio == overDefaults.end() || itself == overItself.end()) continue;  // a channel the image does not carry
        if (radio->second == s.value || radio->second != itself->second) continue;
        s.line = 0;
        s.value = radio->second;
        out.push_back(std::move(s));
    }
    return out;
}

}  // namespace

std::unique_ptr<Workspace> radioView(const Document& doc) { return readBack(doc, settingsBase()); }

std::vector<std::string> alignWithRadio(Workspace& ws) {
    std::vector<std::string> changed;
    // Whether a roger-beep entry is valid shows in no control, only in the lists that name it:
    // the table goes over whole, each value as the radio holds it (one byte).
    if (const auto view = readBackOverItself(ws.current); view->current.header.rogerBeep != ws.current.header.rogerBeep) {
        ws.current.header.rogerBeep = view->current.header.rogerBeep;
        changed.push_back("Roger beep: every value as the radio holds it");
    }
    // A rule set off by one control (a mode switched off corrects the channel modes) can move
    // another; a few rounds settle every document.
    for (int round = 0; round < 4; ++round) {
        const std::vector<Setting> settings = disagreements(ws.current);
        if (settings.empty()) break;
        const auto before = shownBy(ws.current);
        ImportResult result;
        applySettings(ws, settings, result, SettingsScope::Values);
        const auto after = shownBy(ws.current);
        bool moved = false;
        for (const Setting& s : settings) {
            const std::string key = keyOf(s);
            if (before.at(key) == after.at(key)) continue;  // a rule kept it: nothing to say
            moved = true;
            changed.push_back(key + ": " + before.at(key) + " -> " + after.at(key));
        }
        if (!moved) break;
    }
    return changed;
}

}  // namespace mv52
