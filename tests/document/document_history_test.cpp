// The document history: each action, with the rules it ran, undone and redone whole; the saved
// state counts as unchanged again; the memory the steps hold.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "channels/channel_editing.h"
#include "document/document_history.h"
#include "document/workspace.h"
#include "options/option_controls.h"
#include "storage/data_file.h"
#include "storage/default_document.h"

namespace mv52 {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr int CB = kWorkModeCb;

bool sameBytes(const Document& a, const Document& b) {
    return a.header == b.header && std::memcmp(&a.channels, &b.channels, sizeof(ChannelTable)) == 0;
}

StepName named(const char* name) {
    return [name](LanguageIndex) { return std::string(name); };
}

struct HistoryRig {
    std::unique_ptr<Workspace> ws = Workspace::create();
    DocumentHistory history;
    HistoryRig() {
        buildStartupDocument(*ws, "20261210", MV52_PROGRAM_DIR);
        chooseWorkMode(*ws, CB);
        takeSavedCopy(*ws);
        history.reset(ws->current);
    }
    Document& doc() { return ws->current; }
    void choose(const char* control, const char* item) {
        const ControlRow* row = findControl(optionControls(), control);
        ASSERT_NE(row, nullptr) << control;
        ASSERT_TRUE(applyItem(*row, doc(), item, E)) << control << " " << item;
    }
};

// One action of each kind, applied to the rig's document.
struct ActionCase {
    const char* name;
    void (*act)(HistoryRig&);
};

const ActionCase kActions[] = {
    {"a typed frequency", [](HistoryRig& r) { updateChannelFrequency(*r.ws, 7, "27.185"); }},
    {"a mode chosen", [](HistoryRig& r) { r.doc().channels.slot(CB, 1, 1).Mode = 2; }},
    {"FM Enable off rewrites the FM channels", [](HistoryRig& r) { r.choose("Check1_5", "off"); }},
    {"HF Public On rewrites every CB slot", [](HistoryRig& r) { r.choose("Combo1_45", "ON"); }},
    {"a deleted channel re-validates the group references",
     [](HistoryRig& r) {
         updateChannelFrequency(*r.ws, 1, "");
     }},
    {"a DTMF memory typed", [](HistoryRig& r) { r.doc().options().dtmfMemory[4].set("555"); }},
};

TEST(DocumentHistory, EachKindOfActionIsUndoneAndRedoneWhole) {
    for (const ActionCase& c : kActions) {
        SCOPED_TRACE(c.name);
        HistoryRig r;
        const auto before = std::make_unique<Document>(r.doc());
        c.act(r);
        const auto after = std::make_unique<Document>(r.doc());
        ASSERT_FALSE(sameBytes(*before, *after));
        ASSERT_TRUE(r.history.record(r.doc(), named(c.name)));
        EXPECT_EQ(r.history.undoName(E), c.name);

        r.history.undo(r.doc());
        EXPECT_TRUE(sameBytes(r.doc(), *before));
        EXPECT_FALSE(r.history.canUndo());
        EXPECT_EQ(r.history.redoName(E), c.name);

        r.history.redo(r.doc());
        EXPECT_TRUE(sameBytes(r.doc(), *after));
        EXPECT_TRUE(r.history.canUndo());
        EXPECT_FALSE(r.history.canRedo());
    }
}

TEST(DocumentHistory, AChannelDeleteIsOneStepWithItsReferenceCleanUp) {
    HistoryRig r;
    Document& d = r.doc();
    const int m = shownWorkMode(d);
    const int g = shownGroup(d);
    // The group's first channel of 1-40, and a second one for the reference to move to.
    updateChannelFrequency(*r.ws, 38, "27.385");
    updateChannelFrequency(*r.ws, 39, "27.395");
    int first = 0;
    int regular = 0;
    for (int p = 1; p <= d.count(m, g); ++p)
        if (const int n = d.channels.slot(m, g, p).ChannelNumber; n <= 40 && ++regular == 1) first = n;
    ASSERT_GE(regular, 2);
    d.options().emgChannel1.at(m, g) = static_cast<std::int16_t>(first);
    r.history.record(d, named("emergency channel"));
    updateChannelFrequency(*r.ws, first, "");
    ASSERT_NE(d.options().emgChannel1.at(m, g), first);  // the rule moved the reference
    r.history.record(d, named("delete"));

    const StepPlace place = r.history.undo(d);
    EXPECT_EQ(d.options().emgChannel1.at(m, g), first);
    EXPECT_NE(d.findChannel(m, g, first), 0);
    EXPECT_EQ(place, (StepPlace{true, m, g, first}));
}

TEST(DocumentHistory, UndoingBackToTheSavedStateCountsAsUnchanged) {
    HistoryRig r;
    r.choose("Combo1_9", "30s");
    r.history.record(r.doc(), named("TOT"));
    updateChannelFrequency(*r.ws, 5, "27.045");
    r.history.record(r.doc(), named("CH 5"));
    ASSERT_TRUE(documentChanged(*r.ws));
    r.history.undo(r.doc());
    EXPECT_TRUE(documentChanged(*r.ws));
    r.history.undo(r.doc());
    EXPECT_FALSE(documentChanged(*r.ws));
    r.history.redo(r.doc());
    EXPECT_TRUE(documentChanged(*r.ws));
}

TEST(DocumentHistory, MovingAboutIsNotAStepAndUndoLeavesTheViewWhereItIs) {
    HistoryRig r;
    Document& d = r.doc();
    d.header.currentRow.at(CB, 1) = 12;
    EXPECT_FALSE(r.history.record(d, named("nothing")));
    d.channels.slot(CB, 1, 1).Busy = 1;
    d.header.currentGroup.at(CB) = 3;
    ASSERT_TRUE(r.history.record(d, named("busy")));
    d.header.currentGroup.at(CB) = 5;
    r.history.undo(d);
    EXPECT_EQ(d.channels.slot(CB, 1, 1).Busy, 0);
    EXPECT_EQ(d.header.currentGroup.at(CB), 5);
    EXPECT_EQ(d.header.currentRow.at(CB, 1), 12);
}

TEST(DocumentHistory, StepsWithOneMergeKeyJoinAndANewStepEndsTheRedo) {
    HistoryRig r;
    Document& d = r.doc();
    const auto before = std::make_unique<Document>(d);
    for (const char* typed : {"1", "12", "123"}) {
        d.options().dtmfMemory[0].set(typed);
        r.history.record(d, named("memory 1"), "memory-1");
    }
    EXPECT_EQ(r.history.undoSteps(), 1u);
    d.options().dtmfMemory[1].set("9");
    r.history.record(d, named("memory 2"), "memory-2");
    r.history.undo(d);
    r.history.undo(d);
    EXPECT_TRUE(sameBytes(d, *before));
    EXPECT_EQ(r.history.redoSteps(), 2u);
    d.channels.slot(CB, 1, 1).Echo = 1;
    r.history.record(d, named("echo"));
    EXPECT_FALSE(r.history.canRedo());
    // Changes made after an undo and not yet recorded are not overwritten by a redo.
    r.history.undo(d);
    d.channels.slot(CB, 1, 1).HiCut = 1;
    r.history.redo(d);
    EXPECT_EQ(d.channels.slot(CB, 1, 1).HiCut, 1);
    EXPECT_FALSE(r.history.canRedo());
}

TEST(DocumentHistory, AThousandStepsStayWellWithinTheMemoryBound) {
    HistoryRig r;
    Document& d = r.doc();
    // A mix: a rule over every CB slot every tenth step, frequencies typed, single fields.
    for (int i = 0; i < 1000; ++i) {
        const int row = 1 + (i / 2) % 40;
        if (i % 10 == 9)
            r.choose("Combo1_45", (i / 10) % 2 == 0 ? "ON" : "OFF");
        else if (i % 2 == 0)
            updateChannelFrequency(*r.ws, row, (i / 80) % 2 == 0 ? "27.125" : "27.135");
        else
            d.channels.slot(CB, 1, d.findChannel(CB, 1, row)).Busy ^= 1;
        ASSERT_TRUE(r.history.record(d, named("step"))) << i;
    }
    EXPECT_EQ(r.history.undoSteps(), 1000u);
    EXPECT_LT(r.history.memoryBytes(), DocumentHistory::kMemoryLimit / 5);
    RecordProperty("history_bytes_after_1000_steps", static_cast<int>(r.history.memoryBytes()));
}

TEST(DocumentHistory, TheOldestStepsGoWhenTheBoundIsReached) {
    HistoryRig r;
    Document& d = r.doc();
    // Each step rewrites two far-apart fields of every slot: far fewer than 400 such steps fit.
    std::size_t kept = 0;
    for (int i = 1; i <= 400; ++i) {
        for (int m = 0; m < kWorkModeCount; ++m)
            for (int g = 1; g <= kMaxGroups; ++g)
                for (int p = 1; p <= kSlotsPerGroup; ++p) {
                    ChannelRecord& slot = d.channels.slot(m, g, p);
                    slot.Reserved19 = static_cast<std::int16_t>(i);
                    slot.RxDcsIndex = static_cast<std::int16_t>(i);
                }
        r.history.record(d, named("all"));
        kept = r.history.undoSteps();
        EXPECT_LE(r.history.memoryBytes(), DocumentHistory::kMemoryLimit);
    }
    EXPECT_LT(kept, 400u);
    EXPECT_GT(kept, 10u);
    // What is kept still undoes to the state before it.
    while (r.history.canUndo()) r.history.undo(d);
    EXPECT_EQ(d.channels.slot(CB, 1, 1).Reserved19, static_cast<std::int16_t>(400 - kept));
    EXPECT_EQ(d.channels.slot(kWorkModeHam, 14, 99).RxDcsIndex, static_cast<std::int16_t>(400 - kept));
}

TEST(DocumentHistory, AResetClearsEverything) {
    HistoryRig r;
    r.doc().channels.slot(CB, 1, 1).Echo = 1;
    r.history.record(r.doc(), named("echo"));
    r.history.undo(r.doc());
    r.doc().channels.slot(CB, 1, 1).Busy = 1;
    r.history.reset(r.doc());
    EXPECT_FALSE(r.history.canUndo());
    EXPECT_FALSE(r.history.canRedo());
    EXPECT_EQ(r.history.memoryBytes(), 0u);
    EXPECT_FALSE(r.history.record(r.doc(), named("nothing")));
}

}  // namespace
}  // namespace mv52
