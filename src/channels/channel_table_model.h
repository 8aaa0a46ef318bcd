#pragma once
// The channel table: every field of every channel of the shown group as one row of cells.
// Each cell shows what the channel window's control shows and writes through that control's
// row (channel_controls) or the typed-frequency path (channel_editing), so the table has no
// rule of its own; a tone cell joins the tone type and its code into one item ("Off", "88.5",
// "D023N").

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/control_row.h"
#include "lang/language.h"

namespace mv52 {

struct Document;
struct Workspace;

enum class TableColumn : int {
    Name,  // "1".."40", "M1".."M99": not editable
    Frequency,
    Mode,
    TxTone,
    RxTone,
    Scan,
    Busy,
    Rep,
    Public,
    Roger,
    Bot,
    Eot,
    Call,
    HiCut,
    NbAnl,
    Echo,
    Add10K,
};
constexpr int kTableColumnCount = 17;

std::string tableColumnLabel(TableColumn column, LanguageIndex language);
// The column with this header in either language (case ignored), or nullopt.
std::optional<TableColumn> tableColumnByLabel(std::string_view label);
// The English headers of the columns that can be written, for a message.
std::string writableColumnLabels();

// "CH 1-10" style names of a set of rows: "3", "1–10", "1–5, 8".
std::string tableRowsName(int workMode, int group, const std::vector<int>& rows);

enum class CellOutcome {
    Written,
    NoChannel,   // an empty row takes only a frequency
    ReadOnly,    // the name column
    Locked,      // a Public channel's own setting
    NotOffered,  // the control does not offer the item for this row (PA in a memory group)
    OutOfBand,   // a frequency outside the group's band: the channel window's rule applied
    Refused,     // the last channel of the work mode stays
};

struct ApplyResult {
    std::vector<int> written;
    std::vector<int> skipped;  // rows that could not take the value
    std::vector<CellOutcome> skippedWhy;  // for each skipped row
    std::vector<int> outOfBand;
    unsigned effects = 0;
};

class ChannelTableModel {
public:
    ChannelTableModel();
    ChannelTableModel(const ChannelTableModel&) = delete;
    ChannelTableModel& operator=(const ChannelTableModel&) = delete;

    // Reads the lists for the document (the enabled modes, valid roger entries, used DTMF
    // memories) once; call again after any change.
    void refresh(const Document& doc, LanguageIndex language);

    // Every cell of row `row` of the shown group; all empty but the name for an empty row.
    std::array<std::string, kTableColumnCount> rowTexts(const Workspace& ws, int row) const;
    std::string cellText(const Workspace& ws, int row, TableColumn column) const;
    // The items of a list column as refreshed; empty for the name and frequency columns.
    const std::vector<std::string>& columnItems(TableColumn column) const;
    bool isListColumn(TableColumn column) const;
    bool editable(const Document& doc, int row, TableColumn column) const;

    // `item` written into one cell as if chosen in the channel window's control of that row.
    CellOutcome write(Workspace& ws, int row, TableColumn column, std::string_view item, unsigned* effects = nullptr);
    // The same value into every row; empty rows are passed over except by a frequency, which
    // adds their channels; rows that refuse the value are counted.
    ApplyResult apply(Workspace& ws, const std::vector<int>& rows, TableColumn column, std::string_view item);

    // Whether the column offers `item` at all in this group (an item of its list; any number
    // for the frequency).
    bool offers(TableColumn column, std::string_view item) const;

private:
    const ControlRow& control(const char* name) const;
    const ControlRow* columnControl(TableColumn column) const;
    std::string toneText(const Document& doc, bool transmit) const;
    bool writeTone(Document& doc, bool transmit, std::string_view item);
    int listPosition(TableColumn column, std::string_view item) const;

    mutable int row_ = 0;  // the row the control rows read and write (showing reads set it too)
    std::vector<ControlRow> controls_;
    std::array<const ControlRow*, kTableColumnCount> byColumn_{};
    std::array<std::vector<std::string>, kTableColumnCount> items_;
    std::vector<std::string> ctcssItems_, dcsItems_, typeItems_;
    LanguageIndex language_ = LanguageIndex::English;
};

// Where a frequency was found: work mode, group and row.
struct TablePlace {
    int workMode = 0;
    int group = 0;
    int row = 0;
    bool operator==(const TablePlace&) const = default;
};
// Every channel of every group of both work modes whose shown frequency contains `text`, in
// work mode, group and row order. An empty text finds nothing.
std::vector<TablePlace> findFrequency(const Document& doc, std::string_view text);

// The view's order of rows 1..n for the texts of one column (texts[i] is row i+1's cell):
// numbers by value before other texts, empty rows last in either direction, equal cells in row
// order.
std::vector<int> sortedRows(const std::vector<std::string>& texts, bool descending);

// The channels of `rows` of the shown group take the rows in the order of their frequencies
// (lowest in the first row); rows stay where they are and empty rows stay empty. False when
// nothing moved.
bool sortRowsByFrequency(Document& doc, const std::vector<int>& rows);

struct FillResult {
    std::vector<int> filled;
    std::vector<int> outOfBand;  // refused: left as they were
};
// Row k of `rows` (in the order given) gets start + k * step through the typed-frequency path.
FillResult fillFrequencies(Workspace& ws, const std::vector<int>& rows, double startMHz, double stepKHz);

// Shows (work mode, group) in the workspace, with its band, for as long as it lives, as the
// channel window would when that group is chosen; the shown group and band come back after.
class ShownGroupScope {
public:
    ShownGroupScope(Workspace& ws, int workMode, int group);
    ~ShownGroupScope();
    ShownGroupScope(const ShownGroupScope&) = delete;
    ShownGroupScope& operator=(const ShownGroupScope&) = delete;

private:
    Workspace& ws_;
    std::int16_t mode_;
    std::array<std::int16_t, 2> groups_;
};

// "1-10,12" or "M1-M5" into rows of the group; nullopt for a malformed list or a row the group
// has not.
std::optional<std::vector<int>> parseRowList(std::string_view text, int workMode, int group);

}  // namespace mv52
