#pragma once
// Copied channels on the system clipboard, as the channel grid and the channel table both put
// and take them: the program's own form beside the CSV channel list as text for a spreadsheet.

#include <optional>
#include <string>

#include "channels/channel_clipboard.h"

namespace mv52 {

// Replaces the clipboard's content with `clip` and, as text, `csv`.
void putChannelsOnClipboard(const ChannelClip& clip, const std::string& csv);
// The channels the program put on the clipboard, or nullopt when it holds none of ours.
std::optional<ChannelClip> channelsOnClipboard();
// The clipboard's plain text; empty when it holds none.
std::string clipboardText();

}  // namespace mv52
