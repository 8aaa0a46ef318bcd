#pragma once
// Texts of the channel table window: its title, the columns it adds to the channel window's
// labels, Find, Fill and Sort, and what the status bar says after an action.

#include <string>
#include <string_view>

#include "lang/bilingual.h"

namespace mv52 {

enum class ChannelTableText {
    Title,            // "Channel Table"
    TxTone,           // column header
    RxTone,           // column header
    FindLabel,        // "&Find:"
    FindPlaceholder,  // a frequency or part of it
    Found,            // "%1 found; F3: next" with the count
    NotFound,         // "%1: not found"
    FillFrequencies,  // "Fill Frequencies..."
    FillStart,        // "Start (MHz):"
    FillStep,         // "Step (kHz):"
    FillStepName,     // the undo step: "Fill frequencies from CH %1"
    FillRefused,      // "Outside the group's band (%1), not filled: CH %2"
    FillBadNumber,    // the start or step is not a number
    SortByFrequency,  // "Sort by Frequency"
    SortStepName,     // "Sort CH %1 by frequency"
    Skipped,          // "%1 channel(s) could not take this value and kept theirs."
    Locked,           // a Public channel's own setting
    Applied,          // "%1 set on %2 channel(s)."
    OutOfBandRows,    // "Outside the group's band (%1), left as they were: CH %2"
    FillTitle,        // the Fill dialog's title
    SelectRows,       // Sort by Frequency needs two or more rows
};

std::string text(ChannelTableText key, LanguageIndex language);

// "%1" (and "%2") of a table text filled in.
std::string tableText(ChannelTableText key, LanguageIndex language, std::string_view first,
                      std::string_view second = {});

}  // namespace mv52
