// Copying, pasting, cutting and deleting rows of the channel grid.

#include <gtest/gtest.h>

#include <memory>

#include "channels/channel_clipboard.h"
#include "channels/channel_editing.h"
#include "document/workspace.h"
#include "storage/default_document.h"

namespace mv52 {
namespace {

constexpr int CB = kWorkModeCb;
constexpr int HAM = kWorkModeHam;

void show(Workspace& ws, int m, int g) {
    chooseWorkMode(ws, m);
    ws.current.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(g);
}

// The start-up document with CB group A holding channels 1-5 (and 7 empty rows between),
// groups A and B valid in both work modes.
std::unique_ptr<Workspace> workspace() {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", MV52_PROGRAM_DIR);
    Document& d = ws->current;
    forEachGroup([&](int m, int g) { d.count(m, g) = 0; });
    for (int m : {CB, HAM})
        for (int g = 1; g <= kMaxGroups; ++g) d.options().groupEnabled.at(m, g) = g <= 2 ? 1 : 0;
    show(*ws, CB, 1);
    const char* frequencies[] = {"26.965", "26.975", "26.985", "27.005", "27.015"};
    for (int row = 1; row <= 5; ++row) {
        updateChannelFrequency(*ws, row, frequencies[row - 1]);
        ChannelRecord& r = d.channels.slot(CB, 1, d.findChannel(CB, 1, row));
        r.Mode = static_cast<std::int16_t>(row % 4);
        r.TxToneType = 1;
        r.TxCtcssIndex = static_cast<std::int16_t>(row);
        r.Busy = 1;
    }
    return ws;
}

const ChannelRecord* channel(const Document& d, int m, int g, int number) {
    const int p = d.findChannel(m, g, number);
    return p == 0 ? nullptr : &d.channels.slot(m, g, p);
}

TEST(ChannelClipboard, RowsOneToFiveOfGroupACopiedIntoGroupBTakeTheTargetNumbers) {
    auto ws = workspace();
    const ChannelClip clip = copyChannelRows(ws->current, {1, 2, 3, 4, 5});
    ASSERT_EQ(clip.channels.size(), 5u);
    show(*ws, CB, 2);
    for (const int at : {1, 11}) {
        const PasteResult result = pasteChannelRows(*ws, at, clip);
        EXPECT_EQ(result.pasted, (std::vector<int>{at, at + 1, at + 2, at + 3, at + 4}));
        for (int i = 0; i < 5; ++i) {
            const ChannelRecord* source = channel(ws->current, CB, 1, 1 + i);
            const ChannelRecord* copy = channel(ws->current, CB, 2, at + i);
            ASSERT_NE(copy, nullptr) << at + i;
            ChannelRecord expected = *source;
            expected.ChannelNumber = static_cast<std::int16_t>(at + i);
            EXPECT_EQ(*copy, expected) << at + i;
        }
    }
    EXPECT_EQ(ws->current.count(CB, 2), 10);
}

TEST(ChannelClipboard, EmptyRowsOfTheCopyLeaveTheirTargetRowsAlone) {
    auto ws = workspace();
    const ChannelClip clip = copyChannelRows(ws->current, {5, 6, 7});  // only 5 holds a channel
    show(*ws, CB, 2);
    updateChannelFrequency(*ws, 12, "27.105");
    const PasteResult result = pasteChannelRows(*ws, 10, clip);
    EXPECT_EQ(result.pasted, std::vector<int>{10});
    ASSERT_NE(channel(ws->current, CB, 2, 12), nullptr);
    EXPECT_EQ(channel(ws->current, CB, 2, 12)->RxFrequency.clean(), "2710500");
}

TEST(ChannelClipboard, APasteSkipsFrequenciesOutsideTheTargetBandAndSaysWhich) {
    auto ws = workspace();
    const ChannelClip clip = copyChannelRows(ws->current, {1, 2});
    show(*ws, HAM, 1);
    updateChannelFrequency(*ws, 1, "28.400");
    const ChannelRecord before = *channel(ws->current, HAM, 1, 1);
    const PasteResult result = pasteChannelRows(*ws, 1, clip);
    EXPECT_TRUE(result.pasted.empty());
    EXPECT_EQ(result.outOfBand, (std::vector<int>{1, 2}));
    EXPECT_EQ(*channel(ws->current, HAM, 1, 1), before);
    EXPECT_EQ(channel(ws->current, HAM, 1, 2), nullptr);
}

TEST(ChannelClipboard, APastePastTheLastRowStopsThere) {
    auto ws = workspace();
    const ChannelClip clip = copyChannelRows(ws->current, {1, 2, 3, 4, 5});
    show(*ws, CB, 2);
    const PasteResult result = pasteChannelRows(*ws, 38, clip);
    EXPECT_EQ(result.pasted, (std::vector<int>{38, 39, 40}));
    EXPECT_EQ(result.pastLastRow, 2);
    EXPECT_EQ(ws->current.count(CB, 2), 3);
}

TEST(ChannelClipboard, APastedModeFollowsTheTargetGroupsModeRules) {
    auto ws = workspace();
    Document& d = ws->current;
    d.channels.slot(CB, 1, 1).Mode = 4;  // PA
    d.options().fmEnable = d.options().amEnable = d.options().usbEnable = d.options().lsbEnable = 1;
    d.options().paEnable = 1;
    const ChannelClip clip = copyChannelRows(d, {1});
    show(*ws, CB, memGroup(CB));
    pasteChannelRows(*ws, 1, clip);
    EXPECT_EQ(channel(d, CB, memGroup(CB), 1)->Mode, 0);  // a memory group offers no PA
    d.options().paEnable = 0;
    show(*ws, CB, 2);
    pasteChannelRows(*ws, 1, clip);
    EXPECT_EQ(channel(d, CB, 2, 1)->Mode, 0);  // PA is not enabled

    // CW where the Mode box of the target offers it, FM where it does not.
    d.channels.slot(CB, 1, 1).Mode = 5;
    show(*ws, CB, 1);
    const ChannelClip cw = copyChannelRows(d, {1});
    show(*ws, CB, 2);
    for (const int enabled : {1, 0}) {
        d.options().cwEnable = static_cast<std::int16_t>(enabled);
        pasteChannelRows(*ws, 1, cw);
        EXPECT_EQ(channel(d, CB, 2, 1)->Mode, enabled ? 5 : 0) << enabled;
    }
}

TEST(ChannelClipboard, DeleteFollowsTheDeleteRulesRowByRow) {
    auto ws = workspace();
    Document& d = ws->current;
    // Group B valid with one channel: it may go (the group becomes invalid), group A keeps its last.
    show(*ws, CB, 2);
    updateChannelFrequency(*ws, 3, "27.055");
    EXPECT_EQ(deleteChannelRows(*ws, {3}).deleted, 1);
    EXPECT_EQ(d.options().groupEnabled.at(CB, 2), 0);
    show(*ws, CB, 1);
    const DeleteResult result = deleteChannelRows(*ws, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(result.deleted, 4);
    EXPECT_EQ(result.stayed, 1);
    EXPECT_EQ(d.count(CB, 1), 1);
}

TEST(ChannelClipboard, TheClipboardTextComesBackAsTheSameChannels) {
    auto ws = workspace();
    const ChannelClip clip = copyChannelRows(ws->current, {2, 3, 5, 9});
    const std::optional<ChannelClip> back = clipFromText(clipToText(clip));
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->channels.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back->channels[i].offset, clip.channels[i].offset);
        ChannelRecord expected = clip.channels[i].record;
        expected.ChannelNumber = 0;  // the target row gives the number
        EXPECT_EQ(back->channels[i].record, expected);
    }
}

TEST(ChannelClipboard, TextThatIsNotACopyOfChannelsIsRefused) {
    auto ws = workspace();
    const std::string good = clipToText(copyChannelRows(ws->current, {1}));
    const std::string line = good.substr(good.find('\n') + 1);
    const std::string heading = good.substr(0, good.find('\n') + 1);
    const std::string cases[] = {
        "",
        "Channel,Frequency\r\n1,27.005\r\n",
        "MV52 channels 2\n" + line,
        heading + "0 2696500",                          // too few fields
        heading + "x" + line.substr(1),                 // offset not a number
        heading + "0 27.005" + line.substr(line.find(' ', 2)),  // not a stored frequency
        heading + line + line,                          // offsets must ascend
        heading + line.substr(0, line.rfind(' ')) + " 104\n",   // DCS index past the table
        heading + "99999999999 " + line.substr(2),      // out of range
    };
    for (const std::string& text : cases) EXPECT_FALSE(clipFromText(text).has_value()) << text;
    EXPECT_TRUE(clipFromText(good).has_value());
}

}  // namespace
}  // namespace mv52
