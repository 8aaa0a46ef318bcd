// mv52ctl get and set: the optional-features window as LABEL=ITEM lines, through the same
// control table and rules as the window.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "cli/control_lines.h"
#include "document/control_row.h"
#include "options/option_controls.h"
#include "document/workspace.h"
#include "storage/data_file.h"
#include "cli/saved_pair_fixture.h"
#include "support/temp_dir.h"
#include "tones/dtmf.h"
#include "tones/dtmf_controls.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

class OptionsCommand : public test::SavedPairTest {
protected:
    std::unique_ptr<Workspace> load() {
        auto ws = Workspace::create();
        EXPECT_TRUE(loadDataFile(*ws, dat, ctx.versions).ok());
        return ws;
    }
};

TEST_F(OptionsCommand, GetPrintsTheItemsAsTheWindowShowsThem) {
    ASSERT_EQ(run({"get", dat, "TOT", "Color", "Max", "SWR Protect", "CW Freq"}), 0) << err.str();
    EXPECT_EQ(out.str(), "TOT=Off\nColor=White\nMax=16.0\nSWR Protect=on\nCW Freq=300\n");
    ASSERT_EQ(run({"get", dat}), 0);
    const std::string all = out.str();
    EXPECT_EQ(all.rfind("TOT=Off\nINDIC=", 0), 0u);
    EXPECT_NE(all.find("\nMode=AM\n"), std::string::npos);
}

TEST_F(OptionsCommand, SetAppliesEachChoiceWithItsRulesAndSaves) {
    ASSERT_EQ(run({"set", dat, "TOT=90s", "Max=25", "Color=blue", "HF Public=ON", "Rx NR=3"}), 0) << err.str();
    const auto ws = load();
    const Document& d = ws->current;
    EXPECT_EQ(d.options().tot, 9);
    EXPECT_EQ(d.options().swrMax, 200);
    EXPECT_EQ(d.options().backlightColor, 1);
    EXPECT_EQ(d.further().hfPublic, 1);
    EXPECT_EQ(d.further().rxNr, 130);
    EXPECT_EQ(d.channels.slot(0, 1, 1).Public, 1);
    EXPECT_EQ(d.channels.slot(1, 1, 1).Public, 0);
    ASSERT_EQ(run({"get", dat, "TOT", "Max", "Color"}), 0);
    EXPECT_EQ(out.str(), "TOT=90s\nMax=20.0\nColor=Blue\n");
}

TEST_F(OptionsCommand, ARefusedAssignmentLeavesTheFileUntouched) {
    const auto dataBefore = test::readBytes(dat);
    const auto channelsBefore = test::readBytes(dir.file("radio.fre"));
    struct Case {
        std::string assignment;
        const char* says;
    };
    for (const Case& c : {Case{"TOT=95s", "TOT does not offer '95s'; it offers: Off, 30s"},
                          Case{"Bogus=1", "is not LABEL=ITEM of a control"}, Case{"TOT", "is not LABEL=ITEM"},
                          Case{"SWR Protect=maybe", "it offers: on, off"}}) {
        // A good assignment before the refused one is not saved either.
        EXPECT_EQ(run({"set", dat, "Color=Red", c.assignment}), 2) << c.assignment;
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
    }
    EXPECT_EQ(run({"get", dat, "Nope"}), 2);
    EXPECT_EQ(test::readBytes(dat), dataBefore);
    EXPECT_EQ(test::readBytes(dir.file("radio.fre")), channelsBefore);
}

TEST_F(OptionsCommand, GetAndSetReachTheDtmfWindow) {
    ASSERT_EQ(run({"get", dat, "DTMF Send Time[ms]", "D Code Assignment", "DTMF DISP", "Memory 3"}), 0) << err.str();
    EXPECT_EQ(out.str(), "DTMF Send Time[ms]=10\nD Code Assignment=D Code\nDTMF DISP=off\nMemory 3=\n");
    ASSERT_EQ(run({"set", dat, "DTMF Send Time[ms]=250", "D Code Assignment=5s", "* and # Tone[ms]=500",
                   "DTMF DISP=on", "Memory 3=12a*", "Memory 16=0123456789ABCD*#"}),
              0)
        << err.str();
    const auto ws = load();
    const DtmfSettings& s = ws->current.options().dtmf;
    EXPECT_EQ(s.dtmfSendTime, 25);
    EXPECT_EQ(s.dCodeAssignment, 5);
    EXPECT_EQ(s.starHashTone, 5);
    EXPECT_EQ(s.dtmfDisplay, 1);
    EXPECT_EQ(ws->current.options().dtmfMemory[2].clean(), "12A*");
    ASSERT_EQ(run({"get", dat}), 0);
    const std::string all = out.str();
    EXPECT_EQ(all.rfind("TOT=", 0), 0u);
    EXPECT_NE(all.find("\nDTMF Send Time[ms]=250\n"), std::string::npos);
    EXPECT_NE(all.find("\nMemory 3=12A*\n"), std::string::npos);
    EXPECT_NE(all.find("\nMemory 16=0123456789ABCD*#\n"), std::string::npos);
}

TEST_F(OptionsCommand, EmptyingAMemoryCleansItsReferencesAsTheWindowDoes) {
    {
        auto ws = load();
        Document& d = ws->current;
        setDtmfMemory(d.options().dtmfMemory[2], "55");
        d.channels.slot(0, 1, 5).Bot = 3;   // channel 5 of CB group A
        d.appendChannel(0, 11, 1, "27.015");
        d.channels.slot(0, 11, 1).Bot = 3;  // group 11 is left alone
        d.options().publicEot = 3;
        ASSERT_GE(d.count(0, 1), 5);
        ASSERT_TRUE(saveDataFile(*ws, dat));
    }
    ASSERT_EQ(run({"set", dat, "Memory 3="}), 0) << err.str();
    const auto ws = load();
    EXPECT_EQ(ws->current.options().dtmfMemory[2].clean(), "");
    EXPECT_EQ(ws->current.channels.slot(0, 1, 5).Bot, 0);
    EXPECT_EQ(ws->current.channels.slot(0, 11, 1).Bot, 3);
    EXPECT_EQ(ws->current.options().publicEot, 0);
}

TEST_F(OptionsCommand, AMemoryTakesOnlyWhatItsEditorTakes) {
    const auto before = test::readBytes(dat);
    EXPECT_EQ(run({"set", dat, "Memory 3=12E"}), 2);
    EXPECT_NE(err.str().find("Memory 3 does not offer '12E'; it offers: up to 16 of 0-9, A-D, * and #"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(run({"set", dat, "Memory 17=1"}), 2);
    EXPECT_NE(err.str().find("DTMF DISP, Memory 1 to Memory 16"), std::string::npos) << err.str();
    EXPECT_EQ(test::readBytes(dat), before);
}

TEST(ControlLines, EveryLabelNamesOneControl) {
    for (const std::vector<ControlRow>* table : {&optionControls(), &dtmfEncodeControls(), &dtmfMemoryControls()})
        for (const ControlRow& row : *table)
            EXPECT_EQ(cli::controlByLabel(row.label(LanguageIndex::English)), &row) << row.objectName;
}

}  // namespace
}  // namespace mv52
