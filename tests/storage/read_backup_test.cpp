#include <gtest/gtest.h>

#include <filesystem>

#include "data/local_time.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "storage/read_backup.h"
#include "document/workspace.h"
#include "support/temp_dir.h"
#include "system/clock.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

class FrozenClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override { return at; }
    // 2026-12-10 14:25:01 UTC
    std::chrono::system_clock::time_point at =
        std::chrono::sys_days{std::chrono::year{2026} / 12 / 10} + std::chrono::hours{14} + std::chrono::minutes{25} +
        std::chrono::seconds{1};
};

// The backup's name: local date and time.
std::string stampOf(const Clock& clock) { return formatLocalTime(clock.now(), "%Y%m%d-%H%M%S"); }

std::unique_ptr<Workspace> readDocument() {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    ws->current.appendChannel(0, 14, 1, "21.2");  // as if the radio held it: unsaved
    return ws;
}

TEST(ReadBackup, IsThePairSaveWouldWriteAndLeavesTheWorkspaceAlone) {
    test::TempDir dir;
    FrozenClock clock;
    auto ws = readDocument();
    const auto before = std::make_unique<Workspace>(*ws);
    const std::string folder = dir.file("MV52/backups");

    const BackupResult backup = saveReadBackup(*ws, folder, clock, LanguageIndex::English);
    ASSERT_TRUE(backup.saved) << backup.reason;
    EXPECT_EQ(fs::path(backup.path).parent_path(), fs::path(folder));
    EXPECT_EQ(fs::path(backup.path).stem().string(), stampOf(clock));

    EXPECT_EQ(ws->fileName, before->fileName);
    EXPECT_EQ(ws->untitled, before->untitled);
    EXPECT_EQ(ws->saved.header, before->saved.header);
    EXPECT_TRUE(documentChanged(*ws)) << "the read still counts as unsaved";

    ASSERT_TRUE(saveDataFile(*ws, dir.file("saved.dat")));
    EXPECT_EQ(readBytes(backup.path), readBytes(dir.file("saved.dat")));
    EXPECT_EQ(readBytes(channelFilePath(backup.path)), readBytes(dir.file("saved.fre")));
}

TEST(ReadBackup, ReadsInTheSameSecondKeepEveryBackup) {
    test::TempDir dir;
    FrozenClock clock;
    auto ws = readDocument();
    const std::string stamp = stampOf(clock);
    // An orphaned channel file takes its name too.
    fs::create_directories(dir.path());
    test::writeBytes(dir.file(stamp + "-3.fre"), {1, 2, 3});

    std::vector<std::string> names;
    for (int i = 0; i < 3; ++i) {
        const BackupResult backup = saveReadBackup(*ws, dir.path().string(), clock, LanguageIndex::English);
        ASSERT_TRUE(backup.saved) << backup.reason;
        names.push_back(fs::path(backup.path).filename().string());
        ws->current.appendChannel(0, 14, 2 + i, "21.3");  // each read different
    }
    EXPECT_EQ(names, (std::vector<std::string>{stamp + ".dat", stamp + "-2.dat", stamp + "-4.dat"}));
    EXPECT_EQ(readBytes(dir.file(stamp + "-3.fre")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_NE(readBytes(dir.file(stamp + ".fre")), readBytes(dir.file(stamp + "-2.fre")));
}

TEST(ReadBackup, FolderThatCannotBeMadeIsReported) {
    test::TempDir dir;
    FrozenClock clock;
    auto ws = readDocument();
    test::writeBytes(dir.file("occupied"), {0});
    const BackupResult backup =
        saveReadBackup(*ws, dir.file("occupied/backups"), clock, LanguageIndex::English);
    EXPECT_FALSE(backup.saved);
    EXPECT_EQ(backup.path, dir.file("occupied/backups"));
    EXPECT_FALSE(backup.reason.empty());
    EXPECT_FALSE(saveReadBackup(*ws, "", clock, LanguageIndex::English).saved);
}

}  // namespace
}  // namespace mv52
