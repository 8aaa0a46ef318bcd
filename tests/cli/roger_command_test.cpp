// mv52ctl roger: an entry's schedule as text, or its sound as a WAV file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "document/workspace.h"
#include "storage/data_file.h"
#include "cli/saved_pair_fixture.h"
#include "support/temp_dir.h"
#include "tones/tone_samples.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

class RogerCommand : public test::SavedPairTest {
protected:
    // Changes entry n of the saved pair.
    void editEntry(int n, const std::function<void(RogerBeepEntry&)>& edit) {
        auto ws = Workspace::create();
        ASSERT_TRUE(loadDataFile(*ws, dat, ctx.versions).ok());
        edit(ws->current.header.rogerBeep[static_cast<std::size_t>(n - 1)]);
        ASSERT_TRUE(saveDataFile(*ws, dat));
    }
};

TEST_F(RogerCommand, PrintsTheScheduleOfAnEntry) {
    ASSERT_EQ(run({"roger", dat, "1"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "# RB Tone 1: 1 pass, 700 ms; Hz 0 is silence, tone 0 the silence after a pass\n"
              "pass tone    Hz    ms\n"
              "   1    1  2100   100\n"
              "   1    2     0   100\n"
              "   1    3  2100   100\n"
              "   1    4     0   100\n"
              "   1    5  2100   100\n"
              "   1    6     0   100\n"
              "   1    7  2100   100\n");
    editEntry(1, [](RogerBeepEntry& e) {
        e.recycleTimes() = 3;
        e.interTime() = 50;
    });
    ASSERT_EQ(run({"roger", dat, "1"}), 0);
    EXPECT_NE(out.str().find("3 passes, 3600 ms"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("   2    0     0   500\n   3    1  2100   100\n"), std::string::npos);
}

TEST_F(RogerCommand, WritesTheEntryAsPlaySoundsIt) {
    editEntry(4, [](RogerBeepEntry& e) { e.recycleTimes() = 2; });
    const std::string wav = dir.file("rb4.wav");
    ASSERT_EQ(run({"roger", dat, "4", "--wav", wav}), 0) << err.str();
    EXPECT_TRUE(out.str().empty());
    const std::vector<std::uint8_t> bytes = test::readBytes(wav);
    // Five tones of 60 ms, twice: 600 ms, 26,460 samples of two bytes behind the header.
    ASSERT_EQ(bytes.size(), 44u + 2u * 26460u);
    RogerBeepEntry e;
    const int hz[] = {640, 940, 1340, 1630, 1920};
    for (int i = 1; i <= 5; ++i) {
        e.toneFreq(i) = static_cast<std::int16_t>(hz[i - 1] / 10);
        e.toneLength(i) = 6;
    }
    e.recycleTimes() = 2;
    EXPECT_EQ(bytes, wavFileBytes(renderSteps(rogerSchedule(e))));
}

TEST_F(RogerCommand, AnEntryThatSoundsNothingWritesNoFile) {
    const std::string wav = dir.file("rb.wav");
    EXPECT_EQ(run({"roger", dat, "6", "--wav", wav}), 1);
    EXPECT_EQ(err.str(), "RB Tone 6 does not play: its Recycle Times are Off.\n");
    editEntry(2, [](RogerBeepEntry& e) {
        for (int i = 1; i <= 14; ++i) e.toneLength(i) = 0;
    });
    EXPECT_EQ(run({"--lang", "zh", "roger", dat, "2", "--wav", wav}), 1);
    EXPECT_EQ(err.str(), "RB音 2 不能播放：所有音长均为 0。\n");
    EXPECT_FALSE(fs::exists(wav));
    // A folder that does not exist: the file error, and nothing left behind.
    EXPECT_EQ(run({"--lang", "en", "roger", dat, "1", "--wav", dir.file("missing/rb.wav")}), 1);
    EXPECT_EQ(err.str(), "file error.\nmv52ctl: " + dir.file("missing/rb.wav") + ": no such file or folder\n");
    EXPECT_FALSE(fs::exists(dir.file("missing")));
}

TEST_F(RogerCommand, UsageErrors) {
    for (const cli::Args& args : {cli::Args{"roger", dat}, cli::Args{"roger", dat, "9"}, cli::Args{"roger", dat, "0"},
                                  cli::Args{"roger", dat, "x"}, cli::Args{"roger", dat, "1", "--wav"},
                                  cli::Args{"roger", dat, "1", "--loud"}}) {
        out.str("");
        err.str("");
        EXPECT_EQ(cli::runCommandLine(args, ctx), 2) << args.back();
        EXPECT_NE(err.str().find("Usage: mv52ctl roger FILE.dat N [--wav OUT.wav]"), std::string::npos);
    }
    EXPECT_EQ(run({"roger", dir.file("none.dat"), "1"}), 1);
}

}  // namespace
}  // namespace mv52
