#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "support/killed_save.h"
#include "support/temp_dir.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

struct PairBytes {
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> channels;
    bool operator==(const PairBytes&) const = default;
};

PairBytes pairAt(const fs::path& folder) {
    return {test::readBytes((folder / "radio.dat").string()), test::readBytes((folder / "radio.fre").string())};
}

// Three documents that differ in both files, so a pair made of halves of two is never one of them.
std::array<std::unique_ptr<Workspace>, 3> threeDocuments() {
    std::array<std::unique_ptr<Workspace>, 3> docs;
    for (auto& d : docs) {
        d = Workspace::create();
        buildStartupDocument(*d, "20261210", "/nonexistent");
    }
    docs[1]->current.appendChannel(0, 14, 1, "21.2");
    docs[2]->current.appendChannel(1, 5, 3, "28.4");
    docs[2]->current.appendChannel(1, 5, 4, "28.5");
    docs[2]->current.options().beep = 0;
    return docs;
}

// A save of the pair is killed at every step it reports, round after round: each time, the
// pair the next Open loads is the old document or the new one, byte for byte. The next save
// starts from whatever the crash left, so it also has to deal with the leftovers.
TEST(CrashSafeSave, KilledAtEveryStepTheNextOpenLoadsTheOldOrTheNewPair) {
    test::TempDir dir;
    const fs::path work = dir.path() / "work";
    const fs::path check = dir.path() / "check";
    fs::create_directories(work);
    const std::string path = (work / "radio.dat").string();
    auto docs = threeDocuments();

    std::array<PairBytes, 3> expected;
    for (std::size_t i = 0; i < docs.size(); ++i) {
        const fs::path ref = dir.path() / ("ref" + std::to_string(i));
        fs::create_directories(ref);
        ASSERT_TRUE(saveDataFileCopy(*docs[i], (ref / "radio.dat").string()));
        expected[i] = pairAt(ref);
        for (std::size_t j = 0; j < i; ++j) ASSERT_NE(expected[i].channels, expected[j].channels);
    }
    ASSERT_TRUE(saveDataFileCopy(*docs[0], path));

    VersionTable versions;
    versions.pairs = {{"V200", "V200"}};
    constexpr int kRounds = 25;
    constexpr int kLastKillStep = 12;  // beyond the steps of any one save: some saves finish
    std::size_t truth = 0;
    int killed = 0, completed = 0, loadedOld = 0, loadedNew = 0;
    for (int round = 0; round < kRounds; ++round)
        for (int step = 1; step <= kLastKillStep; ++step) {
            const std::size_t next = (truth + 1 + static_cast<std::size_t>(step % 2)) % docs.size();
            const test::SaveEnd end =
                test::runKilledSave(step, [&](const SaveProbe& probe) { return saveDataFile(*docs[next], path, probe); });
            ASSERT_NE(end, test::SaveEnd::Failed) << "round " << round << " step " << step;
            (end == test::SaveEnd::Killed ? killed : completed)++;

            // What the next Open makes of it, on a copy, so the crash's leftovers stay for the
            // next save.
            test::copyFolderFiles(work, check);
            auto loaded = Workspace::create();
            ASSERT_TRUE(loadDataFile(*loaded, (check / "radio.dat").string(), versions).ok())
                << "round " << round << " step " << step;
            const PairBytes onDisk = pairAt(check);
            if (onDisk == expected[next]) {
                ++loadedNew;
                truth = next;
            } else {
                ASSERT_EQ(onDisk, expected[truth]) << "a torn pair: round " << round << " step " << step;
                ++loadedOld;
            }
            if (end == test::SaveEnd::Completed) {
                ASSERT_EQ(truth, next);
            }
            ASSERT_EQ(std::distance(fs::directory_iterator(check), fs::directory_iterator{}), 2)
                << "the load leaves only the pair";
        }
    std::printf("killed %d saves, %d ran to their end; the next Open loaded the old pair %d times, the new %d times\n",
                killed, completed, loadedOld, loadedNew);
    EXPECT_GT(loadedOld, 0);
    EXPECT_GT(loadedNew, completed);  // some killed saves had already committed
}

TEST(CrashSafeSave, AFinishedSaveLeavesOnlyThePair) {
    test::TempDir dir;
    auto docs = threeDocuments();
    for (auto& d : docs) ASSERT_TRUE(saveDataFile(*d, dir.file("radio.dat")));
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"radio.dat", "radio.fre"}));
}

}  // namespace
}  // namespace mv52
