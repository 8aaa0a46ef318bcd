// mv52ctl set-channels and fill: the channel table's column edits and Fill on a saved pair.

#include <gtest/gtest.h>

#include "channels/channel_table_model.h"
#include "cli/saved_pair_fixture.h"
#include "data/groups.h"
#include "document/workspace.h"
#include "storage/data_file.h"

namespace mv52 {
namespace {

constexpr auto E = LanguageIndex::English;
using C = TableColumn;

class ChannelCommands : public test::SavedPairTest {
protected:
    std::unique_ptr<Workspace> load() {
        auto ws = Workspace::create();
        EXPECT_TRUE(loadDataFile(*ws, dat, ctx.versions).ok());
        return ws;
    }
    // The table's cell of (work mode, group, row) in the saved pair.
    std::string cell(int m, int g, int row, C column) {
        auto ws = load();
        const ShownGroupScope shown(*ws, m, g);
        ChannelTableModel table;
        table.refresh(ws->current, E);
        return table.cellText(*ws, row, column);
    }
};

TEST_F(ChannelCommands, FillThenSetChannelsWriteThroughTheTablesRows) {
    ASSERT_EQ(run({"fill", dat, "--mode", "CB", "--group", "B", "--channels", "1-40", "--start", "26.965", "--step", "10"}), 0)
        << err.str();
    EXPECT_EQ(cell(kWorkModeCb, 2, 1, C::Frequency), "26.96500");
    EXPECT_EQ(cell(kWorkModeCb, 2, 40, C::Frequency), "27.35500");
    ASSERT_EQ(run({"set-channels", dat, "--mode", "CB", "--group", "B", "--channels", "1-10,12", "Mode=AM",
                   "Tx tone=88.5", "Rx tone=D023N", "Scan=Del"}),
              0)
        << err.str();
    for (const int row : {1, 10, 12}) {
        EXPECT_EQ(cell(kWorkModeCb, 2, row, C::Mode), "AM") << row;
        EXPECT_EQ(cell(kWorkModeCb, 2, row, C::TxTone), "88.5") << row;
        EXPECT_EQ(cell(kWorkModeCb, 2, row, C::RxTone), "D023N") << row;
        EXPECT_EQ(cell(kWorkModeCb, 2, row, C::Scan), "Del") << row;
    }
    EXPECT_EQ(cell(kWorkModeCb, 2, 11, C::Mode), "FM");
    // The radio's shown work mode and group are not changed by either command.
    auto ws = load();
    EXPECT_EQ(ws->current.header.currentGroup.at(0), 1);
}

TEST_F(ChannelCommands, ARefusedAssignmentLeavesBothFilesByteForByte) {
    ASSERT_EQ(run({"fill", dat, "--mode", "CB", "--group", "A", "--channels", "1-5", "--start", "27.005", "--step", "10"}), 0)
        << err.str();
    const auto dataBefore = test::readBytes(dat);
    const auto channelsBefore = test::readBytes(dir.file("radio.fre"));
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const std::vector<std::string> base = {"set-channels", dat, "--mode", "CB", "--group", "A", "--channels", "1-5"};
    const auto with = [&](std::initializer_list<std::string> more) {
        std::vector<std::string> a = base;
        a.insert(a.end(), more);
        return a;
    };
    const Case cases[] = {
        {with({"Mode=AM", "Colour=Red"}), 2, "the labels are: Frequency, Mode, Tx tone"},
        {with({"Mode=AM", "Mode=XM"}), 2, "it offers: FM, AM"},
        {with({"Mode=AM", "Tx tone=88.4"}), 2, "it offers: Off, 67.0"},
        {with({"CH No.=3"}), 2, "the labels are"},
        {with({"Mode=AM", "Frequency=31.5"}), 1, "CH 1: Frequency=31.5 refused (outside the group's band"},
        {{"set-channels", dat, "--mode", "CB", "--group", "A", "--channels", "41", "Mode=AM"}, 2, "--channels takes rows"},
        {{"fill", dat, "--mode", "CB", "--group", "A", "--channels", "1-3", "--start", "30.095", "--step", "10"}, 1,
         "not filled: CH 3"},
        {{"fill", dat, "--mode", "CB", "--group", "A", "--channels", "1-3", "--start", "x", "--step", "10"}, 2,
         "--start takes a frequency"},
    };
    for (const Case& c : cases) {
        out.str("");
        err.str("");
        EXPECT_EQ(cli::runCommandLine(c.args, ctx), c.status) << c.says;
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
        EXPECT_EQ(test::readBytes(dat), dataBefore) << c.says;
        EXPECT_EQ(test::readBytes(dir.file("radio.fre")), channelsBefore) << c.says;
    }
}

TEST_F(ChannelCommands, APublicChannelsOwnSettingIsRefusedAndNamed) {
    ASSERT_EQ(run({"fill", dat, "--mode", "CB", "--group", "A", "--channels", "1-3", "--start", "27.005", "--step", "10"}), 0);
    ASSERT_EQ(run({"set-channels", dat, "--mode", "CB", "--group", "A", "--channels", "2", "Public=On"}), 0) << err.str();
    const auto before = test::readBytes(dir.file("radio.fre"));
    EXPECT_EQ(run({"set-channels", dat, "--mode", "CB", "--group", "A", "--channels", "1-3", "HI-CUT=On"}), 1);
    EXPECT_NE(err.str().find("CH 2: HI-CUT=On refused (a Public channel"), std::string::npos) << err.str();
    EXPECT_EQ(test::readBytes(dir.file("radio.fre")), before);
}

}  // namespace
}  // namespace mv52
