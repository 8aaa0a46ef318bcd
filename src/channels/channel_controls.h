#pragma once
// The channel window's information frame (the channel of the selected row) and group settings
// (the shown group), one row per control, both directions in the row.

#include <vector>

#include "document/control_row.h"

namespace mv52 {

struct ChannelRecord;

enum class ChannelGroup : int {
    Information,    // the information frame, top to bottom
    GroupSettings,  // group valid, emergency modes and channels
};

// The rows, reading the selected row through `selectedRow` (the grid's row, 1-based) and the
// shown group through the document's current work mode and group.
std::vector<ControlRow> channelControls(const int& selectedRow);

// The record of the shown group with channel number `row`, or nullptr.
ChannelRecord* selectedChannel(Document& doc, int row);
const ChannelRecord* selectedChannel(const Document& doc, int row);

// The mode list of the information frame: the enabled modes, without PA in a memory group.
std::vector<std::string> channelModeList(const Document& doc);

}  // namespace mv52
