#pragma once
// Copying, cutting, pasting and deleting rows of the channel grid. A paste writes each
// channel as if its frequency had been typed into the target row and its settings chosen
// there: the target group's band limits, its mode rules and the group references apply.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/channel_record.h"

namespace mv52 {

struct Document;
struct Workspace;

struct ClippedChannel {
    int offset = 0;  // rows below the first copied row
    ChannelRecord record;
    bool operator==(const ClippedChannel&) const = default;
};

// The channels of some rows; rows without a channel leave a gap that a paste keeps.
struct ChannelClip {
    std::vector<ClippedChannel> channels;
    bool operator==(const ChannelClip&) const = default;
};

// The channels of `rows` (1-based, any order) of the shown group.
ChannelClip copyChannelRows(const Document& doc, const std::vector<int>& rows);

// The program's own clipboard form, and back; nullopt for a text that is not one (a paste
// from elsewhere, or damaged).
std::string clipToText(const ChannelClip& clip);
std::optional<ChannelClip> clipFromText(std::string_view text);

struct PasteResult {
    std::vector<int> pasted;     // target rows written
    std::vector<int> outOfBand;  // target rows skipped: the frequency is outside the group's band
    int pastLastRow = 0;         // channels that fell below the group's last row
};
// Pastes into the shown group from `firstRow` down.
PasteResult pasteChannelRows(Workspace& ws, int firstRow, const ChannelClip& clip);

struct DeleteResult {
    int deleted = 0;
    int stayed = 0;  // channels the delete rules keep
};
// Deletes the channels of `rows` of the shown group one by one, as an emptied frequency does.
DeleteResult deleteChannelRows(Workspace& ws, const std::vector<int>& rows);

}  // namespace mv52
