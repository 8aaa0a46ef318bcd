// The channel table's cells: what they show and what a committed value writes, through the
// channel window's own control rows.

#include <gtest/gtest.h>

#include <memory>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "channels/channel_table_model.h"
#include "data/groups.h"
#include "document/workspace.h"
#include "storage/default_document.h"

namespace mv52 {
namespace {

constexpr int CB = kWorkModeCb;
constexpr int HAM = kWorkModeHam;
constexpr auto E = LanguageIndex::English;
using C = TableColumn;

// The start-up document with CB group A holding channels 1-5, the memory group M1-M3.
std::unique_ptr<Workspace> workspace() {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", MV52_PROGRAM_DIR);
    Document& d = ws->current;
    forEachGroup([&](int m, int g) { d.count(m, g) = 0; });
    d.header.currentWorkMode = CB;
    d.header.currentGroup = {1, 1};
    ws->setBandFromWorkMode();
    const char* frequencies[] = {"26.965", "26.975", "26.985", "27.005", "27.015"};
    for (int row = 1; row <= 5; ++row) updateChannelFrequency(*ws, row, frequencies[row - 1]);
    {
        const ShownGroupScope mem(*ws, CB, memGroup(CB));
        for (int row = 1; row <= 3; ++row) updateChannelFrequency(*ws, row, "27.105");
    }
    return ws;
}

ChannelRecord& channel(Document& d, int m, int g, int number) { return d.channels.slot(m, g, d.findChannel(m, g, number)); }

TEST(ChannelTableModel, EveryCellShowsWhatTheChannelWindowsControlShows) {
    auto ws = workspace();
    Document& d = ws->current;
    ChannelRecord& c = channel(d, CB, 1, 2);
    c.Mode = 1;
    c.TxToneType = 1;
    c.TxCtcssIndex = 7;  // 88.5 Hz
    c.RxToneType = 2;
    c.RxDcsIndex = 0;  // 023
    c.ScanAdd = 0;
    c.Rep = 2;
    c.NbAnl = 3;
    ChannelTableModel table;
    table.refresh(d, E);
    const auto cells = table.rowTexts(*ws, 2);
    EXPECT_EQ(cells[0], "2");
    EXPECT_EQ(cells[1], "26.97500");
    EXPECT_EQ(cells[static_cast<int>(C::TxTone)], "88.5");
    EXPECT_EQ(cells[static_cast<int>(C::RxTone)], "D023N");
    // Each list column against the information frame's control for the same row.
    int row = 2;
    const std::vector<ControlRow> controls = channelControls(row);
    const std::pair<C, const char*> pairs[] = {{C::Mode, "Combo8_12"}, {C::Scan, "Combo8_10"}, {C::Rep, "Combo8_7"},
                                               {C::NbAnl, "Combo8_3"},  {C::Busy, "Combo8_6"},  {C::Roger, "Combo8_11"}};
    for (const auto& [column, name] : pairs)
        EXPECT_EQ(cells[static_cast<std::size_t>(column)], shownItem(*findControl(controls, name), d, E)) << name;
    EXPECT_EQ(cells[static_cast<int>(C::Mode)], "AM");
    // An empty row shows its name only.
    const auto empty = table.rowTexts(*ws, 9);
    EXPECT_EQ(empty[0], "9");
    for (int k = 1; k < kTableColumnCount; ++k) EXPECT_EQ(empty[static_cast<std::size_t>(k)], "");
}

TEST(ChannelTableModel, AToneItemWritesTheToneTypeAndItsCode) {
    auto ws = workspace();
    ChannelTableModel table;
    table.refresh(ws->current, E);
    struct Case {
        const char* item;
        int type, ctcss, dcs;
    };
    for (const Case& k : {Case{"88.5", 1, 7, 0}, Case{"D023N", 2, 7, 0}, Case{"d754", 2, 7, 103}, Case{"Off", 0, 7, 103}}) {
        EXPECT_EQ(table.write(*ws, 1, C::TxTone, k.item), CellOutcome::Written) << k.item;
        const ChannelRecord& c = channel(ws->current, CB, 1, 1);
        EXPECT_EQ(c.TxToneType, k.type) << k.item;
        EXPECT_EQ(c.TxCtcssIndex, k.ctcss) << k.item;
        EXPECT_EQ(c.TxDcsIndex, k.dcs) << k.item;
    }
    EXPECT_EQ(table.write(*ws, 1, C::RxTone, "88.4"), CellOutcome::NotOffered);
    EXPECT_EQ(table.write(*ws, 1, C::RxTone, "D024N"), CellOutcome::NotOffered);
    EXPECT_EQ(channel(ws->current, CB, 1, 1).RxToneType, 0);
}

TEST(ChannelTableModel, SeveralRowsTakeAValueExceptThoseTheRulesRefuse) {
    auto ws = workspace();
    ChannelTableModel table;
    // A public channel's own settings are locked, as in the information frame.
    channel(ws->current, CB, 1, 3).Public = 1;
    table.refresh(ws->current, E);
    ApplyResult r = table.apply(*ws, {1, 2, 3, 4, 5, 6, 7}, C::Mode, "AM");
    EXPECT_EQ(r.written, (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(r.skipped, (std::vector<int>{3}));  // rows 6 and 7 are empty: passed over
    EXPECT_EQ(r.skippedWhy, (std::vector<CellOutcome>{CellOutcome::Locked}));
    EXPECT_EQ(channel(ws->current, CB, 1, 3).Mode, 0);
    EXPECT_FALSE(table.editable(ws->current, 3, C::Mode));
    EXPECT_TRUE(table.editable(ws->current, 3, C::Public));
    // PA is not a memory channel's mode: the memory group's list does not offer it.
    const ShownGroupScope mem(*ws, CB, memGroup(CB));
    table.refresh(ws->current, E);
    EXPECT_FALSE(table.offers(C::Mode, "PA"));
    r = table.apply(*ws, {1, 2, 3}, C::Mode, "PA");
    EXPECT_TRUE(r.written.empty());
    EXPECT_EQ(r.skipped.size(), 3u);
}

TEST(ChannelTableModel, AFrequencyGoesThroughTheTypedFrequencyPath) {
    auto ws = workspace();
    ChannelTableModel table;
    table.refresh(ws->current, E);
    EXPECT_EQ(table.write(*ws, 8, C::Frequency, "27.185"), CellOutcome::Written);
    EXPECT_EQ(table.cellText(*ws, 8, C::Frequency), "27.18500");
    // Out of the band: the channel window's delete rule removes the channel.
    EXPECT_EQ(table.write(*ws, 8, C::Frequency, "31"), CellOutcome::OutOfBand);
    EXPECT_EQ(ws->current.findChannel(CB, 1, 8), 0);
    // Several rows never lose channels to an out-of-band value: they are named instead.
    const ApplyResult r = table.apply(*ws, {1, 2}, C::Frequency, "31");
    EXPECT_EQ(r.outOfBand, (std::vector<int>{1, 2}));
    EXPECT_NE(ws->current.findChannel(CB, 1, 1), 0);
    EXPECT_EQ(table.write(*ws, 9, C::Mode, "AM"), CellOutcome::NoChannel);
    EXPECT_EQ(table.write(*ws, 1, C::Name, "5"), CellOutcome::ReadOnly);
}

TEST(ChannelTableModel, FillTypesStartPlusStepIntoEachRowAndNamesTheRowsOutOfBand) {
    auto ws = workspace();
    std::vector<int> rows;
    for (int r = 1; r <= 40; ++r) rows.push_back(r);
    FillResult fill = fillFrequencies(*ws, rows, 26.965, 10);
    EXPECT_EQ(fill.filled.size(), 40u);
    ChannelTableModel table;
    table.refresh(ws->current, E);
    EXPECT_EQ(table.cellText(*ws, 1, C::Frequency), "26.96500");
    EXPECT_EQ(table.cellText(*ws, 2, C::Frequency), "26.97500");
    EXPECT_EQ(table.cellText(*ws, 40, C::Frequency), "27.35500");
    // 30.095, 30.105 fit the band (up to 30.105); 30.115 does not.
    fill = fillFrequencies(*ws, {1, 2, 3}, 30.095, 10);
    EXPECT_EQ(fill.filled, (std::vector<int>{1, 2}));
    EXPECT_EQ(fill.outOfBand, (std::vector<int>{3}));
    EXPECT_EQ(table.cellText(*ws, 3, C::Frequency), "26.98500");
}

TEST(ChannelTableModel, FindLooksThroughEveryGroupOfBothWorkModes) {
    auto ws = workspace();
    {
        const ShownGroupScope ham(*ws, HAM, 3);
        updateChannelFrequency(*ws, 7, "28.965");
    }
    const std::vector<TablePlace> found = findFrequency(ws->current, "965");
    EXPECT_EQ(found, (std::vector<TablePlace>{{CB, 1, 1}, {HAM, 3, 7}}));
    EXPECT_EQ(findFrequency(ws->current, "27.105").size(), 3u);  // M1-M3
    EXPECT_TRUE(findFrequency(ws->current, "").empty());
    EXPECT_TRUE(findFrequency(ws->current, "99.9").empty());
}

TEST(ChannelTableModel, SortedRowsPutNumbersByValueAndEmptyRowsLast) {
    const std::vector<std::string> texts = {"27.005", "", "26.965", "AM", "100", "26.965", ""};
    EXPECT_EQ(sortedRows(texts, false), (std::vector<int>{3, 6, 1, 5, 4, 2, 7}));
    EXPECT_EQ(sortedRows(texts, true), (std::vector<int>{4, 5, 1, 3, 6, 2, 7}));
}

TEST(ChannelTableModel, SortByFrequencyRenumbersTheChannelsWithinTheirRows) {
    auto ws = workspace();
    Document& d = ws->current;
    updateChannelFrequency(*ws, 2, "27.205");
    channel(d, CB, 1, 2).Mode = 1;
    const Document before = d;
    EXPECT_TRUE(sortRowsByFrequency(d, {1, 2, 3, 4, 5, 6}));
    ChannelTableModel table;
    table.refresh(d, E);
    const char* expected[] = {"26.96500", "26.98500", "27.00500", "27.01500", "27.20500"};
    for (int row = 1; row <= 5; ++row) EXPECT_EQ(table.cellText(*ws, row, C::Frequency), expected[row - 1]) << row;
    // The channel moved with its settings, and the empty row stayed empty.
    EXPECT_EQ(table.cellText(*ws, 5, C::Mode), "AM");
    EXPECT_EQ(d.findChannel(CB, 1, 6), 0);
    EXPECT_EQ(d.count(CB, 1), before.count(CB, 1));
    EXPECT_FALSE(sortRowsByFrequency(d, {1, 2, 3, 4, 5}));
}

TEST(ChannelTableModel, RowListsAndHeaders) {
    EXPECT_EQ(parseRowList("1-3,7", CB, 1), (std::vector<int>{1, 2, 3, 7}));
    EXPECT_EQ(parseRowList("M2-M4", CB, memGroup(CB)), (std::vector<int>{2, 3, 4}));
    for (const char* bad : {"", "0", "41", "3-1", "1,,2", "a", "M2"}) EXPECT_FALSE(parseRowList(bad, CB, 1)) << bad;
    EXPECT_EQ(tableRowsName(CB, 1, {1, 2, 3, 5, 7, 8}), "1\u20133, 5, 7\u20138");
    EXPECT_EQ(tableColumnByLabel("tx TONE"), C::TxTone);
    EXPECT_EQ(tableColumnByLabel("发射亚音"), C::TxTone);
    EXPECT_EQ(tableColumnByLabel("+10KHz"), C::Add10K);
    EXPECT_FALSE(tableColumnByLabel("Power"));
}

TEST(ChannelTableModel, TheShownGroupScopeRestoresTheDocumentsShownGroupAndBand) {
    auto ws = workspace();
    const Document before = ws->current;
    const std::string band = ws->bandText;
    {
        const ShownGroupScope ham(*ws, HAM, 4);
        EXPECT_EQ(shownGroup(ws->current), 4);
        EXPECT_NE(ws->bandText, band);
    }
    EXPECT_EQ(ws->bandText, band);
    EXPECT_EQ(ws->current.header.currentWorkMode, before.header.currentWorkMode);
    EXPECT_EQ(ws->current.header.currentGroup, before.header.currentGroup);
}

}  // namespace
}  // namespace mv52
