#pragma once
// The channel editor's document operations: the channel update from a typed frequency, adding
// and deleting channels, the group references, the group-valid rules, the work mode and the
// work group. The channel window calls these; it never edits the channel table itself.

#include <string>
#include <string_view>
#include <vector>

namespace mv52 {

struct Document;
struct Workspace;

// The group the window shows: the current group of the current work mode (1 when none).
int shownWorkMode(const Document& doc);
int shownGroup(const Document& doc);

struct ChannelUpdate {
    bool outOfRange = false;  // warn "Frequency is out of range."
    bool refused = false;     // the last channel of the only valid group stays
};
// Row `row` of the shown group gets the typed text: a new channel, a new frequency, or (an
// empty, zero or out-of-range text) the deletion of its channel under the delete rules.
ChannelUpdate updateChannelFrequency(Workspace& ws, int row, std::string_view text);

// Removes record position `position` (1..count), keeping the order of the rest.
void deleteRecordPosition(Document& doc, int workMode, int group, int position);

// The group's emergency and memory references point at channels of their kind (1-40, or
// above 40) that the group holds, else at the first such channel, else 0.
void revalidateGroupReferences(Document& doc, int workMode, int group);

struct GroupValidChange {
    bool snappedBack = false;        // the only valid group stays valid
    bool addedFirstChannel = false;  // a newly valid group 1-10 got channel 1
};
GroupValidChange setGroupValid(Document& doc, int workMode, int group, bool valid);

// The first channel's frequency of a newly valid group 1-10; empty for the others.
std::string defaultFirstFrequency(int group);

// The work mode the window shows and the radio uses; the band text and limits follow it.
void chooseWorkMode(Workspace& ws, int workMode);

// The work group of the work mode (1-based); a group the radio cannot work in (MEM, VFO, or
// none) becomes group 1.
void chooseWorkGroup(Document& doc, int workMode, int group);
int workGroup(const Document& doc, int workMode);

// The names the emergency-channel lists show: "1".."40", "M1".. above 40; and back (0 for a
// name that is neither).
std::string GetCHName(int number);
int GetCHID(std::string_view name);

// The channel numbers 40 or less of the group, ascending, as the emergency lists offer them.
std::vector<std::string> emergencyChannelChoices(const Document& doc, int workMode, int group);

}  // namespace mv52
