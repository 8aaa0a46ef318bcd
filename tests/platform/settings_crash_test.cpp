#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ini_profile_file.h"
#include "support/killed_save.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

std::string textOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A write of the settings file killed at every step it reports, round after round: the file
// always holds the old text or the new one, whole, and reads.
TEST(CrashSafeSettings, KilledAtEveryStepTheFileIsOldOrNewAndReadable) {
    test::TempDir dir;
    const std::string path = dir.file("mysetup.ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=0\r\nCurrentLanguage=1\r\n";
    }
    constexpr int kRounds = 60;
    constexpr int kLastKillStep = 5;  // a write reports four steps: the fifth round lets it finish
    std::string truth = textOf(path);
    int killed = 0, completed = 0, old = 0, fresh = 0;
    for (int round = 0; round < kRounds; ++round)
        for (int step = 1; step <= kLastKillStep; ++step) {
            const std::string port = std::to_string(round * kLastKillStep + step + 1);
            const test::SaveEnd end = test::runKilledSave(step, [&](const SaveProbe& probe) {
                return IniProfileFile(probe).write(path, "language", "comPort", port);
            });
            ASSERT_NE(end, test::SaveEnd::Failed);
            (end == test::SaveEnd::Killed ? killed : completed)++;

            const std::string now = textOf(path);
            const std::string read = IniProfileFile().read(path, "language", "comPort", "missing");
            if (now == truth) {
                ++old;
                ASSERT_NE(end, test::SaveEnd::Completed);
            } else {
                ASSERT_EQ(now, profileUpdate(truth, "language", "comPort", port)) << "round " << round;
                ASSERT_EQ(read, port);
                ++fresh;
                truth = now;
            }
            ASSERT_EQ(IniProfileFile().read(path, "language", "CurrentLanguage", "missing"), "1");
        }
    std::printf("killed %d settings writes, %d ran to their end; the file held the old text %d times, the new %d times\n",
                killed, completed, old, fresh);
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, completed);

    // A write after the crashes leaves no temporary file behind.
    ASSERT_TRUE(IniProfileFile().write(path, "language", "comPort", "3"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

}  // namespace
}  // namespace mv52
