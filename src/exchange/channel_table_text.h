#pragma once
// Rows pasted into the channel table from a spreadsheet: tab- or comma-separated, with a header
// row of the table's own columns or of the CSV channel list's. Both become the CSV channel
// list, which importChannelsCsv reads with all its checks and messages, so a paste can put in
// nothing an import could not.

#include <optional>
#include <string>
#include <string_view>

#include "exchange/import_result.h"
#include "lang/language.h"

namespace mv52 {

struct Document;

// The CSV channel list of the pasted text; rows without a channel-name column go to the rows
// from `firstRow` down. nullopt when the first line names neither set of columns.
std::optional<std::string> tableTextToCsv(std::string_view text, int workMode, int group, int firstRow);

// Pastes `text` into the group as one import (all or nothing). A text with no known header
// is refused with a reason.
ImportResult pasteTableText(Document& doc, int workMode, int group, int firstRow, std::string_view text,
                            LanguageIndex language);

}  // namespace mv52
