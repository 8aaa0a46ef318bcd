#pragma once
// The printed channel sheet, described without a drawing surface: which blocks, rows and
// cells it holds, in which order, in one language. The program's Print, Print Preview and
// Export PDF and `mv52ctl print` all draw this one description; only the drawing knows fonts
// and pages.
//
// Every caption and item on it is what a window shows: the control tables' labels and the
// items their rows show for the document, the windows' titles, the grid's headings.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/language.h"

namespace mv52 {

struct Document;

enum class SheetBlockKind {
    Heading,  // `title`, kept together with the block that follows it
    Pairs,    // `rows` of {label, item}, `pairColumns` pairs side by side
    Table,    // `columns` headings over `rows` of cells; the headings repeat on each new page
};

struct SheetBlock {
    SheetBlockKind kind = SheetBlockKind::Heading;
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    int pairColumns = 1;
    bool newPage = false;  // starts on a page of its own
};

struct Sheet {
    std::string model;      // "MV52"
    std::string fileName;   // without its folder
    std::string printedAt;  // "Printed 2026-12-11 16:48"
    LanguageIndex language = LanguageIndex::English;
    std::vector<SheetBlock> blocks;

    // "Page 2 of 5" / "第 2 页，共 5 页".
    std::string pageText(int page, int pages) const;
};

// A group by work mode and number, as `--groups` names it ("CB:A", "HAM:MEM").
using SheetGroup = std::pair<int, int>;

struct SheetRequest {
    LanguageIndex language = LanguageIndex::English;
    std::string fileName;  // any folder is dropped
    std::string printedAt; // the local date and time to print, already formatted
    // Empty: every valid group. Otherwise only these, in work-mode and group order.
    std::vector<SheetGroup> groups;
};

// What is set, nothing else: the channels of each valid group that holds any (40-channel
// groups with their group settings), the optional features on a page of their own, the DTMF
// memories that hold a code, and the valid roger-beep entries with the tones that sound.
Sheet describeSheet(const Document& doc, const SheetRequest& request);

// "CB:A,HAM:B,CB:MEM" into groups; false (with `error` naming the part) for a name no work
// mode has.
bool parseSheetGroups(std::string_view text, std::vector<SheetGroup>& groups, std::string& error);

}  // namespace mv52
