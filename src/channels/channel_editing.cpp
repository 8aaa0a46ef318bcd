#include "channels/channel_editing.h"

#include <algorithm>

#include "channels/channel_lists.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "document/workspace.h"

namespace mv52 {
namespace {

// The groups whose channels keep another group's last channel deletable, per work mode.
constexpr int kGroupsThatCount[kWorkModeCount] = {10, 9};
// The groups that receive a first channel when they become valid.
constexpr int kGroupsWithFirstChannel = 10;
// Groups with a group-valid flag in the radio: 15 CB, 12 HAM.
int settingsGroups(int workMode) { return workMode == kWorkModeCb ? 15 : 12; }

int usedPositions(const Document& doc, int m, int g) { return std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup); }

bool sameKind(int a, int b) { return (a <= 40) == (b <= 40); }

// Channels numbered below 40 in valid groups that count, leaving out one record.
int channelsElsewhere(const Document& doc, int m, int leftOutGroup, int leftOutPosition) {
    int n = 0;
    for (int g = 1; g <= kGroupsThatCount[m]; ++g) {
        if (doc.options().groupEnabled.at(m, g) != 1) continue;
        for (int p = 1; p <= usedPositions(doc, m, g); ++p)
            if (!(g == leftOutGroup && p == leftOutPosition) && doc.channels.slot(m, g, p).ChannelNumber < 40) ++n;
    }
    return n;
}

}  // namespace

int shownWorkMode(const Document& doc) { return doc.header.currentWorkMode == kWorkModeHam ? kWorkModeHam : kWorkModeCb; }

int shownGroup(const Document& doc) {
    const int m = shownWorkMode(doc);
    const int g = doc.header.currentGroup.at(static_cast<std::size_t>(m));
    return g >= 1 && g <= groupCount(m) ? g : 1;
}

ChannelUpdate updateChannelFrequency(Workspace& ws, int row, std::string_view typed) {
    Document& doc = ws.current;
    ChannelUpdate result;
    const int m = shownWorkMode(doc);
    if (doc.header.currentGroup.at(static_cast<std::size_t>(m)) == 0)
        doc.header.currentGroup.at(static_cast<std::size_t>(m)) = 1;
    const int g = shownGroup(doc);
    std::string text(typed);
    if (!text.empty()) {
        const NormalisedFrequency n = normaliseEnteredText(text, ws.bandLimits, m, g, false);
        result.outOfRange = n.outOfRange;
        text = n.text;
    }
    const int k = doc.findChannel(m, g, row);
    if (k == 0) {
        if (!text.empty() && doc.appendChannel(m, g, row, text)) revalidateGroupReferences(doc, m, g);
        return result;
    }
    if (!text.empty()) {
        doc.channels.slot(m, g, k).RxFrequency.set(enteredToStored(text, ws.bandLimits.lower));
        return result;
    }
    int regular = 0;
    for (int p = 1; p <= usedPositions(doc, m, g); ++p)
        if (doc.channels.slot(m, g, p).ChannelNumber <= 40) ++regular;
    if (regular >= 2) {
        deleteRecordPosition(doc, m, g, k);
        revalidateGroupReferences(doc, m, g);
    } else if (channelsElsewhere(doc, m, g, k) > 0) {
        doc.options().groupEnabled.at(m, g) = 0;
        deleteRecordPosition(doc, m, g, k);
    } else {
        result.refused = true;
    }
    return result;
}

void deleteRecordPosition(Document& doc, int m, int g, int position) {
    const int count = usedPositions(doc, m, g);
    if (position < 1 || position > count) return;
    for (int p = position; p < count; ++p) doc.channels.slot(m, g, p) = doc.channels.slot(m, g, p + 1);
    doc.count(m, g) = static_cast<std::int16_t>(count - 1);
}

void revalidateGroupReferences(Document& doc, int m, int g) {
    OptionRecord& o = doc.options();
    for (std::int16_t* v : {&o.emgChannel1.at(m, g), &o.emgChannel2.at(m, g), &o.memChannel.at(m, g)}) {
        int first = 0;
        bool present = false;
        for (int p = 1; p <= usedPositions(doc, m, g); ++p) {
            const int n = doc.channels.slot(m, g, p).ChannelNumber;
            if (!sameKind(n, *v)) continue;
            if (first == 0) first = n;
            if (n == *v) present = true;
        }
        if (!present) *v = static_cast<std::int16_t>(first);
    }
}

std::string defaultFirstFrequency(int group) {
    static const char* const kFirst[] = {"28.015000", "28.145000", "28.115000", "28.085000", "28.055000",
                                         "28.025000", "28.015000", "28.145000", "28.115000", "28.085000"};
    return group >= 1 && group <= kGroupsWithFirstChannel ? kFirst[group - 1] : "";
}

GroupValidChange setGroupValid(Document& doc, int m, int g, bool valid) {
    GroupValidChange change;
    OptionRecord& o = doc.options();
    if (!valid) {
        bool another = false;
        for (int other = 1; other <= settingsGroups(m); ++other)
            if (other != g && o.groupEnabled.at(m, other) > 0) another = true;
        if (!another) {
            change.snappedBack = true;
            return change;
        }
        o.groupEnabled.at(m, g) = 0;
        return change;
    }
    const bool wasValid = o.groupEnabled.at(m, g) > 0;
    bool hasRegular = false;
    for (int p = 1; p <= usedPositions(doc, m, g); ++p)
        if (doc.channels.slot(m, g, p).ChannelNumber <= 40) hasRegular = true;
    o.groupEnabled.at(m, g) = 1;
    if (!wasValid && !hasRegular && !defaultFirstFrequency(g).empty()) {
        doc.appendChannel(m, g, 1, defaultFirstFrequency(g));
        revalidateGroupReferences(doc, m, g);
        change.addedFirstChannel = true;
    }
    return change;
}

void chooseWorkMode(Workspace& ws, int workMode) {
    ws.current.header.currentWorkMode = static_cast<std::int16_t>(workMode == kWorkModeHam ? kWorkModeHam : kWorkModeCb);
    ws.setBandFromWorkMode();
}

void chooseWorkGroup(Document& doc, int m, int group) {
    const int g = group >= 1 && group <= settingsGroups(m) ? group : 1;
    (m == kWorkModeCb ? doc.options().currentCbGroup : doc.options().currentHamGroup) = static_cast<std::int16_t>(g);
}

int workGroup(const Document& doc, int m) {
    return m == kWorkModeCb ? doc.options().currentCbGroup : doc.options().currentHamGroup;
}

std::string GetCHName(int number) { return number > 40 ? "M" + std::to_string(number - 40) : std::to_string(number); }

int GetCHID(std::string_view name) {
    if (!name.empty() && name.front() == 'M') {
        const std::string_view rest = name.substr(1);
        return isDigits(rest) ? 40 + numberFromText(rest, 0) : 40;
    }
    return isDigits(name) ? numberFromText(name, 0) : 0;
}

std::vector<std::string> emergencyChannelChoices(const Document& doc, int m, int g) {
    return sortedChannelList(doc, m, g, 0);
}

}  // namespace mv52
