// Several programs on one pair, a pair that lost its channel file, leftovers that are not
// ours to put in place, and saves through links and permissions: mv52ctl as its users run it.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/saved_pair_fixture.h"
#include "data/groups.h"
#include "data/pair_lock.h"
#include "document/workspace.h"
#include "storage/data_file.h"
#include "support/sim_process.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class PairSafety : public test::SavedPairTest {
protected:
    // mv52ctl as its own process, with its standard error in `name`.
    std::string ctlLine(const std::string& args, const std::string& name) {
        return std::string(MV52_MV52CTL) + " " + args + " > " + dir.file(name + ".out") + " 2>&1; echo $? > " +
               dir.file(name + ".rc");
    }
    int exitOf(const std::string& name) { return std::stoi(slurp(dir.file(name + ".rc"))); }
    std::string outputOf(const std::string& name) { return slurp(dir.file(name + ".out")); }
};

// An import into one group and a setting, run at the same moment, round after round: both
// succeed, both changes are in the pair, and the pair on disk is always one whole pair (its
// channel file has exactly the records its counts ask for, every channel imported so far is
// there).
TEST_F(PairSafety, TwoProgramsSavingOnePairNeverMixItNorLoseAChange) {
    VersionTable versions;
    versions.pairs = {{"V200", "V200"}};
    constexpr int kRounds = 12;
    for (int round = 0; round < kRounds; ++round) {
        char freq[32];
        std::snprintf(freq, sizeof freq, "%d,27.%03d\n", 10 + round, 100 + round * 10);
        std::ofstream(dir.file("add.csv")) << "Location,Frequency\n" << freq;
        const std::string tot = round % 2 == 0 ? "90s" : "120s";
        const std::string both = "(" + ctlLine("import-csv " + dat + " --mode CB --group B " + dir.file("add.csv"), "import") +
                                 ") & (" + ctlLine("set " + dat + " TOT=" + tot, "set") + ") & wait";
        ASSERT_EQ(std::system(both.c_str()), 0);
        ASSERT_EQ(exitOf("import"), 0) << "round " << round << ": " << outputOf("import");
        ASSERT_EQ(exitOf("set"), 0) << "round " << round << ": " << outputOf("set");

        auto ws = Workspace::create();
        ASSERT_TRUE(loadDataFile(*ws, dat, versions).ok()) << "round " << round;
        int records = 0;
        for (int m = 0; m < kWorkModeCount; ++m)
            for (int g = 1; g <= kMaxGroups; ++g) records += ws->current.count(m, g);
        ASSERT_EQ(readBytes(dir.file("radio.fre")).size(), static_cast<std::size_t>(records) * 64)
            << "a mixed pair in round " << round;
        for (int k = 0; k <= round; ++k)
            ASSERT_NE(ws->current.findChannel(0, 2, 10 + k), 0) << "round " << round << " lost channel " << 10 + k;
        ASSERT_EQ(run({"get", dat, "TOT"}), 0);
        ASSERT_EQ(out.str(), "TOT=" + tot + "\n") << "round " << round << " lost the setting";
    }
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".saving"), std::string::npos) << e.path();
}

TEST_F(PairSafety, ACommandWaitsForTheLockThenSaysWhoHasThePair) {
    const PairLock held(dat);  // another program in the middle of its save, as far as mv52ctl knows
    const auto before = readBytes(dat);
    std::system(ctlLine("set " + dat + " TOT=90s", "set").c_str());  // waits its whole wait, then gives up
    EXPECT_EQ(exitOf("set"), 1);
    EXPECT_EQ(outputOf("set"), "mv52ctl: radio.dat is being saved by another program\n");
    EXPECT_EQ(readBytes(dat), before);
}

// A pair whose channel file went missing: every load says so, a write to the radio is refused
// (the radio receives nothing) unless asked for.
TEST_F(PairSafety, AMissingChannelFileIsSaidAndTheRadioIsNotWrittenUnasked) {
    fs::rename(dir.file("radio.fre"), dir.file("moved.fre"));
    ASSERT_EQ(run({"get", dat, "TOT"}), 0);
    EXPECT_EQ(err.str(), "mv52ctl: The channel file " + dir.file("radio.fre") +
                             " is missing or short: 176 channels are not in it and left empty.\n");

    test::SimProcess sim({"--save", dir.file("memory.bin")});
    ASSERT_FALSE(sim.path().empty());
    const std::string write = "write --port " + sim.path() + " " + dat;
    std::system(ctlLine(write, "write").c_str());
    EXPECT_EQ(exitOf("write"), 1) << outputOf("write");
    EXPECT_NE(outputOf("write").find("176 channels are not in it"), std::string::npos) << outputOf("write");
    EXPECT_EQ(outputOf("write").find("Write Data Completed."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("memory.bin")));  // no write reached the radio

    std::system(ctlLine(write + " --allow-missing-channels", "write").c_str());
    EXPECT_EQ(exitOf("write"), 0) << outputOf("write");
    EXPECT_TRUE(fs::exists(dir.file("memory.bin")));

    // A short channel file counts the records it lacks; in Chinese as well.
    const auto moved = readBytes(dir.file("moved.fre"));
    writeBytes(dir.file("radio.fre"), std::vector<std::uint8_t>(moved.begin(), moved.end() - 3 * 64 - 5));
    ASSERT_EQ(run({"--lang", "zh", "show", dat}), 0);
    EXPECT_NE(err.str().find("缺少 4 个信道"), std::string::npos) << err.str();
}

// A leftover under the old temporary name that holds another version's data file: a read-only
// command loads the good pair and sets the leftover aside instead of putting it in place.
TEST_F(PairSafety, AStrayLeftoverThatDoesNotLoadIsSetAsideNotPutInPlace) {
    auto stray = readBytes(dat);
    stray[3] = '1';  // "V201", a version this installation does not take
    writeBytes(dat + ".saving", stray);
    const auto before = readBytes(dat);
    ASSERT_EQ(run({"get", dat, "TOT"}), 0) << err.str();
    EXPECT_EQ(out.str(), "TOT=Off\n");
    EXPECT_EQ(readBytes(dat), before);
    EXPECT_EQ(readBytes(dat + ".saving.set-aside"), stray);
    EXPECT_FALSE(fs::exists(dat + ".saving"));
    EXPECT_EQ(err.str(), "mv52ctl: A file left by an interrupted save does not load and was set aside as " + dat +
                             ".saving.set-aside.\n");
}

TEST_F(PairSafety, SavesKeepLinksAndPermissionsAndRefuseReadOnlyFilesWithTheirReason) {
    fs::create_directories(dir.file("real"));
    fs::rename(dat, dir.file("real/radio.dat"));
    fs::rename(dir.file("radio.fre"), dir.file("real/radio.fre"));
    fs::create_symlink("real/radio.dat", dat);
    fs::create_symlink(dir.file("real/radio.fre"), dir.file("radio.fre"));
    ::chmod(dir.file("real/radio.dat").c_str(), 0600);
    ::chmod(dir.file("real/radio.fre").c_str(), 0600);

    ASSERT_EQ(run({"set", dat, "TOT=90s"}), 0) << err.str();
    EXPECT_TRUE(fs::is_symlink(dat));
    EXPECT_TRUE(fs::is_symlink(dir.file("radio.fre")));
    ASSERT_EQ(run({"get", dir.file("real/radio.dat"), "TOT"}), 0);
    EXPECT_EQ(out.str(), "TOT=90s\n");
    for (const char* name : {"real/radio.dat", "real/radio.fre"})
        EXPECT_EQ(fs::status(dir.file(name)).permissions(), fs::perms::owner_read | fs::perms::owner_write) << name;

    ::chmod(dir.file("real/radio.dat").c_str(), 0400);
    EXPECT_EQ(run({"set", dat, "TOT=120s"}), 1);
    EXPECT_EQ(err.str(), "file error.\nmv52ctl: " + dir.file("real/radio.dat") + ": the file is read-only\n");
    EXPECT_EQ(run({"--lang", "zh", "set", dat, "TOT=120s"}), 1);
    EXPECT_EQ(err.str(), "文件错误。\nmv52ctl: " + dir.file("real/radio.dat") + ": 文件是只读的\n");
}

TEST_F(PairSafety, ExportsTakeADashForStandardOutput) {
    ASSERT_EQ(run({"export-csv", dat, "--mode", "CB", "--group", "A", "-"}), 0) << err.str();
    EXPECT_EQ(out.str().rfind("Location,Name,Frequency,", 0), 0u) << out.str();
    EXPECT_FALSE(fs::exists("-"));
    ASSERT_EQ(run({"export", dat, "-"}), 0) << err.str();
    EXPECT_NE(out.str().find("TOT: \"Off\""), std::string::npos);
}

}  // namespace
}  // namespace mv52
