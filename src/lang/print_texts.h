#pragma once
// The words of the printed channel sheet that no window shows: its page header and the
// column of a channel's switched-on settings. Every other caption on the sheet is a window's.

#include <string>

#include "lang/language.h"

namespace mv52 {

enum class PrintText {
    PageOf,         // "Page %1 of %2"
    PrintedAt,      // "Printed %1": the date and time the sheet was made
    SettingsHeader, // the channel table's last column: the settings that are on
    PdfFilter,      // the Export PDF dialog's filter, "description|pattern"
    PrintFailed,    // "The sheet could not be printed on %1.": the printer's name
    Printed,        // "Printed %1 page(s) on %2": the status bar's confirmation
};

std::string text(PrintText key, LanguageIndex language);

}  // namespace mv52
