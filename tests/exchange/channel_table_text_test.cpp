// Rows pasted into the channel table from a spreadsheet, read through the CSV channel list.

#include <gtest/gtest.h>

#include <memory>

#include "channels/channel_editing.h"
#include "channels/channel_table_model.h"
#include "data/groups.h"
#include "document/workspace.h"
#include "exchange/channel_table_text.h"
#include "storage/default_document.h"

namespace mv52 {
namespace {

constexpr int CB = kWorkModeCb;
constexpr auto E = LanguageIndex::English;
using C = TableColumn;

std::unique_ptr<Workspace> workspace() {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", MV52_PROGRAM_DIR);
    forEachGroup([&](int m, int g) { ws->current.count(m, g) = 0; });
    ws->current.header.currentWorkMode = CB;
    ws->current.header.currentGroup = {1, 1};
    ws->setBandFromWorkMode();
    updateChannelFrequency(*ws, 1, "26.965");
    return ws;
}

std::array<std::string, kTableColumnCount> row(Workspace& ws, int number) {
    ChannelTableModel table;
    table.refresh(ws.current, E);
    return table.rowTexts(ws, number);
}

TEST(ChannelTableText, ThreeTabSeparatedRowsWithTheTablesHeadersGoToTheirRows) {
    auto ws = workspace();
    const std::string tsv =
        "CH No.\tFrequency\tMode\tTx tone\tRx tone\tScan\tREP\tBUSY\r\n"
        "3\t27.005\tAM\t88.5\tOff\tDel\t+\tOn\r\n"
        "4\t27.015\tUSB\tD023N\tD023N\tAdd\tOff\tOff\r\n"
        "5\t27.025\tFM\t67.0\t71.9\tAdd\t-\tOff\r\n";
    const ImportResult result = pasteTableText(ws->current, CB, 1, 1, tsv, E);
    ASSERT_TRUE(result.ok()) << refusalText(result);
    const auto r3 = row(*ws, 3);
    EXPECT_EQ(r3[static_cast<int>(C::Frequency)], "27.00500");
    EXPECT_EQ(r3[static_cast<int>(C::Mode)], "AM");
    EXPECT_EQ(r3[static_cast<int>(C::TxTone)], "88.5");
    EXPECT_EQ(r3[static_cast<int>(C::RxTone)], "Off");
    EXPECT_EQ(r3[static_cast<int>(C::Scan)], "Del");
    EXPECT_EQ(r3[static_cast<int>(C::Rep)], "+");
    EXPECT_EQ(r3[static_cast<int>(C::Busy)], "On");
    const auto r4 = row(*ws, 4);
    EXPECT_EQ(r4[static_cast<int>(C::TxTone)], "D023N");
    EXPECT_EQ(r4[static_cast<int>(C::RxTone)], "D023N");
    EXPECT_EQ(r4[static_cast<int>(C::Mode)], "USB");
    const auto r5 = row(*ws, 5);
    EXPECT_EQ(r5[static_cast<int>(C::TxTone)], "67.0");
    EXPECT_EQ(r5[static_cast<int>(C::RxTone)], "71.9");
    EXPECT_EQ(r5[static_cast<int>(C::Rep)], "-");
}

TEST(ChannelTableText, RowsWithoutChannelNumbersFollowTheFirstSelectedRow) {
    auto ws = workspace();
    ASSERT_TRUE(pasteTableText(ws->current, CB, 1, 7, "Frequency\tMode\n27.105\tAM\n27.115\tLSB\n", E).ok());
    EXPECT_EQ(row(*ws, 7)[static_cast<int>(C::Frequency)], "27.10500");
    EXPECT_EQ(row(*ws, 8)[static_cast<int>(C::Mode)], "LSB");
}

TEST(ChannelTableText, TheOtherProgrammersColumnsAreReadAsTheChannelListImportReadsThem) {
    auto ws = workspace();
    const std::string csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Power,Comment\r\n"
        "2,,26.975000,,0.000000,TSQL,88.5,88.5,023,NN,AM,10.00,S,4.0W,\r\n"
        "6,,27.035000,,0.000000,,88.5,88.5,023,NN,FM,10.00,,4.0W,PA\r\n";
    ASSERT_TRUE(pasteTableText(ws->current, CB, 1, 1, csv, E).ok());
    const auto r2 = row(*ws, 2);
    EXPECT_EQ(r2[static_cast<int>(C::TxTone)], "88.5");
    EXPECT_EQ(r2[static_cast<int>(C::RxTone)], "88.5");
    EXPECT_EQ(r2[static_cast<int>(C::Scan)], "Del");
    EXPECT_EQ(row(*ws, 6)[static_cast<int>(C::Mode)], "PA");
}

TEST(ChannelTableText, ARefusedRowPastesNothingAndAnUnknownHeaderIsNamed) {
    auto ws = workspace();
    const Document before = ws->current;
    // Row 2 is out of the band: the reader's own message, and row 1 is not pasted either.
    ImportResult result = pasteTableText(ws->current, CB, 1, 1, "Frequency\tMode\n27.105\tAM\n31.000\tFM\n", E);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(refusalText(result).find("outside the band"), std::string::npos) << refusalText(result);
    EXPECT_EQ(ws->current.findChannel(CB, 1, 2), before.findChannel(CB, 1, 2));
    result = pasteTableText(ws->current, CB, 1, 1, "Freq\tMode\n27.105\tAM\n", E);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(refusalText(result).find("Frequency column"), std::string::npos);
    result = pasteTableText(ws->current, CB, 1, 1, "Frequency,Mode\n27.105,\"AM\n", E);
    ASSERT_FALSE(result.ok());  // an open quote: the reader's fault is said, nothing is passed over
    result = pasteTableText(ws->current, CB, 1, 1, "Frequency\tTx tone\n27.105\t88.4\n", E);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(refusalText(result).find("not a CTCSS tone"), std::string::npos) << refusalText(result);
}

}  // namespace
}  // namespace mv52
