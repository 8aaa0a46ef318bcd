#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data/durable_files.h"
#include "data/native_files.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew = {'n', 'e', 'w', '!'};

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(native::fromPath(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DurableFiles, ReplaceFileLeavesOnlyTheTargetAndReportsEveryStep) {
    test::TempDir dir;
    const std::string path = dir.file("x.bin");
    writeBytes(path, kOld);
    writeBytes(savingPath(path), {1, 2, 3, 4, 5, 6});  // left by a crash
    std::vector<SaveStep> steps;
    ASSERT_TRUE(replaceFile({path, kNew}, [&](SaveStep s, const std::string&) { steps.push_back(s); }));
    EXPECT_EQ(readBytes(path), kNew);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"x.bin"});
    EXPECT_EQ(steps, (std::vector<SaveStep>{SaveStep::Written, SaveStep::Flushed, SaveStep::Renamed,
                                            SaveStep::FolderFlushed, SaveStep::Removed}));
    EXPECT_FALSE(replaceFile({dir.file("no/such/folder/x.bin"), kNew}));
}

TEST(DurableFiles, PairSaveRenamesTheFirstFileFirstAndLeavesOnlyThePair) {
    test::TempDir dir;
    const std::string first = dir.file("a.fre"), last = dir.file("a.dat");
    std::vector<std::string> renamed;
    ASSERT_TRUE(replaceFilePair({first, kNew}, {last, kNew}, [&](SaveStep s, const std::string& p) {
        if (s == SaveStep::Renamed) renamed.push_back(p);
    }));
    EXPECT_EQ(renamed, (std::vector<std::string>{first, last}));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a.dat", "a.fre"}));
}

// What a crash can leave beside a pair, and what the next load or save makes of it.
TEST(DurableFiles, SettleCompletesACommittedSaveAndDiscardsAnyOther) {
    struct Case {
        const char* what;
        bool firstTemp, lastTemp, firstNew;  // which temporary files exist; whether `first` is new
        bool expectNew;                      // the pair after settling
    };
    const Case cases[] = {
        {"nothing left", false, false, false, false},
        {"crash while writing the first temporary file", true, false, false, false},
        {"crash before the commit", true, true, false, false},
        {"crash after the commit", false, true, true, true},
        {"crash after both renames", false, false, true, true},
    };
    // Names are UTF-8 text, and on Windows wide names: Chinese characters and spaces included.
    for (const std::string name : {"p", "电台 配置 1"})
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string first = dir.file(name + ".fre"), last = dir.file(name + ".dat");
        writeBytes(first, c.firstNew ? kNew : kOld);
        writeBytes(last, kOld);
        if (c.firstTemp) writeBytes(savingPath(first), kNew);
        if (c.lastTemp) writeBytes(savingPath(last), kNew);
        if (c.expectNew && !c.lastTemp) writeBytes(last, kNew);
        EXPECT_EQ(settleFilePair(first, last).readPath, last) << c.what;
        EXPECT_EQ(readBytes(first), c.expectNew ? kNew : kOld) << c.what;
        EXPECT_EQ(readBytes(last), c.expectNew ? kNew : kOld) << c.what;
        EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{name + ".dat", name + ".fre"})) << c.what;
    }
}

TEST(DurableFiles, APairNamedInChineseWithSpacesIsSavedInPlace) {
    test::TempDir dir;
    const std::string first = dir.file("电台 配置.fre"), last = dir.file("电台 配置.dat");
    ASSERT_TRUE(replaceFilePair({first, kOld}, {last, kOld}));
    ASSERT_TRUE(replaceFilePair({first, kNew}, {last, kNew}));
    EXPECT_EQ(readBytes(first), kNew);
    EXPECT_EQ(readBytes(last), kNew);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"电台 配置.dat", "电台 配置.fre"}));
}

TEST(DurableFiles, CommittedSaveThatCannotBeFinishedIsReadFromItsTemporaryFile) {
    test::TempDir dir;
    const std::string first = dir.file("p.fre"), last = dir.file("p.dat");
    writeBytes(first, kNew);
    // Something that a rename cannot replace stands where `last` goes.
    fs::create_directories(fs::path(last) / "occupied");
    writeBytes(savingPath(last), kNew);
    EXPECT_EQ(settleFilePair(first, last).readPath, savingPath(last));
    EXPECT_EQ(readBytes(savingPath(last)), kNew);
    EXPECT_FALSE(replaceFilePair({first, kOld}, {last, kOld}));  // nor is a new save started over it
    EXPECT_EQ(readBytes(first), kNew);
}

TEST(DurableFiles, OnlyOwnTemporaryFilesAreRemoved) {
    test::TempDir dir;
    const std::string first = dir.file("p.fre"), last = dir.file("p.dat");
    fs::create_directories(savingPath(first));
    writeBytes(savingPath(last), kNew);
    // A folder under the first temporary name: not a committed save, and not ours to remove.
    EXPECT_EQ(settleFilePair(first, last).readPath, last);
    EXPECT_TRUE(fs::is_directory(savingPath(first)));
    EXPECT_FALSE(fs::exists(savingPath(last)));
    // Each save writes under names of its own, so the folder is not in its way.
    EXPECT_TRUE(replaceFilePair({first, kNew}, {last, kNew}));
    EXPECT_EQ(readBytes(last), kNew);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"p.dat", "p.fre", "p.fre.saving"}));
}

// Leftovers under the unique names of two saves that were cut short: the committed one is
// finished only when the check takes it, and set aside otherwise; the other is removed.
TEST(DurableFiles, SettleFinishesOnlyACommittedLeftoverTheCheckTakes) {
    for (const bool loads : {true, false}) {
        test::TempDir dir;
        const std::string first = dir.file("p.fre"), last = dir.file("p.dat");
        writeBytes(first, kNew);
        writeBytes(last, kOld);
        writeBytes(last + ".1a2-b3.saving", kNew);  // committed: its channel file is in place
        writeBytes(first + ".4c5-d6.saving", kOld);  // another, uncommitted
        writeBytes(last + ".4c5-d6.saving", kOld);
        writeBytes(dir.file("p.dat.notes.saving"), kOld);  // not a temporary name of ours
        const SettleResult settled = settleFilePair(first, last, [&](const std::string& path) {
            EXPECT_EQ(path, last + ".1a2-b3.saving");
            return loads;
        });
        EXPECT_EQ(settled.readPath, last);
        EXPECT_EQ(readBytes(last), loads ? kNew : kOld);
        if (loads) {
            EXPECT_TRUE(settled.setAside.empty());
            EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"p.dat", "p.dat.notes.saving", "p.fre"}));
        } else {
            EXPECT_EQ(settled.setAside, std::vector<std::string>{last + ".1a2-b3.saving.set-aside"});
            EXPECT_EQ(readBytes(settled.setAside.at(0)), kNew);
            EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"p.dat", "p.dat.1a2-b3.saving.set-aside",
                                                                     "p.dat.notes.saving", "p.fre"}));
        }
    }
}

}  // namespace
}  // namespace mv52
