#pragma once
// A group's channels as the comma-separated list the widely used open-source radio
// programmer reads and writes, with this radio's own channel settings as extra columns after
// Comment (named as the channel window labels them). Import writes every value through the
// channel window's controls, so an imported channel is one the window could have made.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/import_result.h"
#include "lang/language.h"

namespace mv52 {

struct Document;

// The columns of the list, in the order they are written: the other programmer's columns,
// then ours.
const std::vector<std::string>& csvChannelColumns();

// The channels of (work mode, group) with locations `first` to `last` (0: the group's
// capacity), one row each, in location order, header first, lines ended by CR LF. The channel
// grid's copy puts its rows on the clipboard this way.
std::string exportChannelsCsv(const Document& doc, int workMode, int group, int first = 1, int last = 0);

// Replaces the group's channels of the locations the rows name, other channels staying, and
// re-validates the group's references, as typed channels would. All or nothing: when any row
// is refused, the document is untouched and every refusal is returned with its line, its
// reason in `language`.
ImportResult importChannelsCsv(Document& doc, int workMode, int group, std::string_view text,
                               LanguageIndex language = LanguageIndex::English);

}  // namespace mv52
