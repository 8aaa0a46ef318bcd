// The channel editor's document operations.

#include <gtest/gtest.h>

#include <memory>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "document/control_row.h"
#include "data/radio_image.h"
#include "document/workspace.h"
#include "options/option_map.h"
#include "storage/default_document.h"

namespace mv52 {
namespace {

constexpr int CB = kWorkModeCb;
constexpr int HAM = kWorkModeHam;

// The start-up document with no channel anywhere and only CB group A (and HAM group A) valid.
std::unique_ptr<Workspace> emptyWorkspace() {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", MV52_PROGRAM_DIR);
    Document& d = ws->current;
    forEachGroup([&](int m, int g) { d.count(m, g) = 0; });
    for (int m : {CB, HAM})
        for (int g = 1; g <= kMaxGroups; ++g) d.options().groupEnabled.at(m, g) = g == 1 ? 1 : 0;
    chooseWorkMode(*ws, CB);
    d.header.currentGroup = {1, 1};
    return ws;
}

void show(Workspace& ws, int m, int g) {
    chooseWorkMode(ws, m);
    ws.current.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(g);
}

TEST(ChannelEditing, TypingIntoAnEmptyRowAddsAChannelAsTheEditorDoes) {
    auto ws = emptyWorkspace();
    const ChannelUpdate u = updateChannelFrequency(*ws, 7, "27.185");
    EXPECT_FALSE(u.outOfRange);
    const Document& d = ws->current;
    ASSERT_EQ(d.count(CB, 1), 1);
    const ChannelRecord& r = d.channels.slot(CB, 1, 1);
    EXPECT_EQ(r.ChannelNumber, 7);
    // Entered in the grid: five decimals, stored as seven digits and a space.
    EXPECT_EQ(r.RxFrequency.upToNul(), "2718500 ");
    EXPECT_EQ(r.TxFrequency.upToNul(), "2718500 ");
    EXPECT_EQ(r.Mode, 0);
    EXPECT_EQ(r.NbAnl, 1);
    EXPECT_EQ(r.ScanAdd, 1);
    EXPECT_EQ(r.TxToneType, 0);
    EXPECT_EQ(r.RxToneType, 0);
    // A new frequency for the same row changes the record in place.
    updateChannelFrequency(*ws, 7, "27.2");
    EXPECT_EQ(d.count(CB, 1), 1);
    EXPECT_EQ(d.channels.slot(CB, 1, 1).RxFrequency.upToNul(), "2720000 ");
}

TEST(ChannelEditing, OutOfBandWarnsAndCountsAsEmpty) {
    auto ws = emptyWorkspace();
    updateChannelFrequency(*ws, 1, "27.005");
    updateChannelFrequency(*ws, 2, "27.015");
    const ChannelUpdate u = updateChannelFrequency(*ws, 2, "35");
    EXPECT_TRUE(u.outOfRange);
    EXPECT_EQ(ws->current.count(CB, 1), 1);  // deleted: another channel of the group remains
    EXPECT_TRUE(updateChannelFrequency(*ws, 9, "abc").outOfRange);
    EXPECT_EQ(ws->current.count(CB, 1), 1);  // a free row stays free
}

TEST(ChannelEditing, TheLastChannelOfTheOnlyValidGroupCannotBeDeleted) {
    auto ws = emptyWorkspace();
    updateChannelFrequency(*ws, 5, "27.005");
    const ChannelUpdate u = updateChannelFrequency(*ws, 5, "");
    EXPECT_TRUE(u.refused);
    EXPECT_EQ(ws->current.count(CB, 1), 1);
    EXPECT_EQ(ws->current.options().groupEnabled.at(CB, 1), 1);
}

TEST(ChannelEditing, DeletingAGroupsOnlyChannelClearsItsValidFlagWhenAnotherGroupHoldsOne) {
    auto ws = emptyWorkspace();
    Document& d = ws->current;
    updateChannelFrequency(*ws, 3, "27.005");  // group A
    show(*ws, CB, 2);
    d.options().groupEnabled.at(CB, 2) = 1;
    updateChannelFrequency(*ws, 4, "27.015");
    const ChannelUpdate u = updateChannelFrequency(*ws, 4, "");
    EXPECT_FALSE(u.refused);
    EXPECT_EQ(d.count(CB, 2), 0);
    EXPECT_EQ(d.options().groupEnabled.at(CB, 2), 0);
}

TEST(ChannelEditing, DeletingKeepsTheOrderOfTheOtherRecords) {
    auto ws = emptyWorkspace();
    for (int row : {5, 2, 9, 1}) updateChannelFrequency(*ws, row, "27.005");
    deleteRecordPosition(ws->current, CB, 1, 2);
    std::vector<int> numbers;
    for (int p = 1; p <= ws->current.count(CB, 1); ++p) numbers.push_back(ws->current.channels.slot(CB, 1, p).ChannelNumber);
    EXPECT_EQ(numbers, (std::vector<int>{5, 9, 1}));
}

TEST(ChannelEditing, GroupReferencesFollowTheChannelsOfTheirKind) {
    auto ws = emptyWorkspace();
    Document& d = ws->current;
    OptionRecord& o = d.options();
    o.emgChannel1.at(CB, 1) = 9;   // absent: becomes the first regular channel
    o.emgChannel2.at(CB, 1) = 12;  // present: stays
    o.memChannel.at(CB, 1) = 45;   // no memory channel: 0
    for (int n : {12, 3, 27}) d.appendChannel(CB, 1, n, "27.005");
    revalidateGroupReferences(d, CB, 1);
    EXPECT_EQ(o.emgChannel1.at(CB, 1), 12);
    EXPECT_EQ(o.emgChannel2.at(CB, 1), 12);
    EXPECT_EQ(o.memChannel.at(CB, 1), 0);
    d.appendChannel(CB, 1, 43, "27.005");
    o.memChannel.at(CB, 1) = 45;
    revalidateGroupReferences(d, CB, 1);
    EXPECT_EQ(o.memChannel.at(CB, 1), 43);
    EXPECT_EQ(emergencyChannelChoices(d, CB, 1), (std::vector<std::string>{"3", "12", "27"}));
}

TEST(ChannelEditing, GroupValidKeepsOneAndGivesANewGroupItsFirstChannel) {
    auto ws = emptyWorkspace();
    Document& d = ws->current;
    EXPECT_TRUE(setGroupValid(d, CB, 1, false).snappedBack);
    EXPECT_EQ(d.options().groupEnabled.at(CB, 1), 1);

    const GroupValidChange c = setGroupValid(d, CB, 3, true);
    EXPECT_TRUE(c.addedFirstChannel);
    ASSERT_EQ(d.count(CB, 3), 1);
    EXPECT_EQ(d.channels.slot(CB, 3, 1).ChannelNumber, 1);
    EXPECT_EQ(d.channels.slot(CB, 3, 1).RxFrequency.upToNul(), "28115000");

    EXPECT_FALSE(setGroupValid(d, CB, 12, true).addedFirstChannel);
    EXPECT_EQ(d.count(CB, 12), 0);
    EXPECT_EQ(d.options().groupEnabled.at(CB, 12), 1);
    // Now that others are valid, group A may go.
    EXPECT_FALSE(setGroupValid(d, CB, 1, false).snappedBack);
    EXPECT_EQ(d.options().groupEnabled.at(CB, 1), 0);
}

TEST(ChannelEditing, WorkModeSetsTheBandAndWorkGroupsReachTheImage) {
    auto ws = emptyWorkspace();
    chooseWorkMode(*ws, HAM);
    EXPECT_EQ(ws->bandText, kBandTextHam);
    EXPECT_EQ(shownWorkMode(ws->current), HAM);
    chooseWorkMode(*ws, CB);
    EXPECT_EQ(ws->bandText, kBandTextCb);

    Document& d = ws->current;
    chooseWorkGroup(d, CB, 3);
    d.appendChannel(CB, 2, 40, "27.005");
    d.options().emgChannel1.at(CB, 2) = 40;
    RadioImage image;
    image.preTransferFill();
    packOptions({d.options(), d.further(), d.header.currentWorkMode}, image);
    EXPECT_EQ(image.at(0x4805), 2);
    EXPECT_EQ(image.at(0x4582), 39);
    chooseWorkGroup(d, CB, 16);  // MEM is no work group
    EXPECT_EQ(workGroup(d, CB), 1);
}

TEST(ChannelEditing, ChannelNamesBothWays) {
    const std::pair<int, const char*> names[] = {{1, "1"}, {40, "40"}, {41, "M1"}, {139, "M99"}};
    for (const auto& [number, name] : names) {
        EXPECT_EQ(GetCHName(number), name);
        EXPECT_EQ(GetCHID(name), number);
    }
    EXPECT_EQ(GetCHID("X3"), 0);
    EXPECT_EQ(GetCHID(""), 0);
}

}  // namespace
}  // namespace mv52

namespace mv52 {
namespace {

// The Public box shows "Off" for a stored value it has no item for; what it shows is what locks.
TEST(ChannelControls, ThePublicLockFollowsWhatThePublicBoxShows) {
    auto ws = Workspace::create();
    applyDefaultDocument(*ws, "20261210");
    Document& d = ws->current;
    int row = 1;
    const std::vector<ControlRow> rows = channelControls(row);
    const ControlRow& hiCut = *findControl(rows, "Combo8_2");
    ChannelRecord& c = d.channels.slot(kWorkModeCb, 1, d.findChannel(kWorkModeCb, 1, 1));
    for (const auto& [stored, locked] : {std::pair{0, false}, {1, true}, {2, false}, {-1, false}}) {
        c.Public = static_cast<std::int16_t>(stored);
        EXPECT_EQ(shownItem(*findControl(rows, "Combo8_9"), d, LanguageIndex::English), locked ? "On" : "Off") << stored;
        EXPECT_EQ(hiCut.enabled(d), !locked) << stored;
    }
}

}  // namespace
}  // namespace mv52
