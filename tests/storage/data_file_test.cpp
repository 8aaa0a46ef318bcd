#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <span>

#include "data/native_files.h"
#include "storage/data_file.h"
#include "storage/data_file_layout.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "support/temp_dir.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

using test::readBytes;
using test::writeBytes;

VersionTable pairs(std::initializer_list<VersionPair> list) {
    VersionTable t;
    t.pairs = list;
    return t;
}
const VersionTable kV200 = pairs({{"V200", "V200"}});

std::unique_ptr<Workspace> startup() {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    return ws;
}

class DataFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<Workspace> ws = startup();
};

TEST(DataFilePaths, ChannelFileAndInitialFiles) {
    EXPECT_EQ(channelFilePath("a.dat"), "a.fre");
    EXPECT_EQ(channelFilePath("radio"), "rafre");  // the last three characters, whatever they are
    EXPECT_EQ(channelFilePath("ab"), "fre");
    EXPECT_EQ(channelFilePath("/x/y/radio.DAT"), "/x/y/radio.fre");
    EXPECT_EQ(initialDataFilePath("/p", kBandTextCb, InitialKind::New), "/p/Init/0_LB2424_New.dat");
    EXPECT_EQ(initialDataFilePath("/p", kBandTextHam, InitialKind::Initial), "/p/Init/1_LB2424.dat");
}

TEST(DataFileVersions, VersionTexts) {
    for (const std::string& yes : {std::string("V200"), std::string("V201"), std::string("V200  "),
                                   std::string("V200\0x", 6)})
        EXPECT_TRUE(isDataFileVersion(yes)) << yes;
    for (const char* no : {"V20X", "W200", "V20", "", "V2000", "v200"}) EXPECT_FALSE(isDataFileVersion(no)) << no;
}

TEST_F(DataFileTest, SavedPairHasTheFormatSizesAndLoadsBack) {
    const std::string path = dir.file("radio.dat");
    ASSERT_TRUE(saveDataFile(*ws, path));
    EXPECT_EQ(std::filesystem::file_size(path), kDataFileSize);
    // 10 groups of 7 and 3 groups of 6, in both work modes.
    EXPECT_EQ(std::filesystem::file_size(dir.file("radio.fre")), 2u * (10 * 7 + 3 * 6) * kChannelRecordSize);
    EXPECT_FALSE(ws->untitled);
    EXPECT_EQ(ws->fileName, path);

    auto other = Workspace::create();
    ASSERT_TRUE(loadDataFile(*other, path, kV200).ok());
    EXPECT_EQ(other->current.header, ws->current.header);
    forEachGroup([&](int m, int g) {
        for (int p = 1; p <= ws->current.count(m, g); ++p)
            EXPECT_EQ(other->current.channels.slot(m, g, p), ws->current.channels.slot(m, g, p));
    });
    EXPECT_FALSE(documentChanged(*other));
    EXPECT_EQ(other->bandText, kBandTextCb);
}

// Names are UTF-8 text: a pair named in Chinese, with spaces, saves and loads, its lock file
// goes again, and a committed save cut short beside it is finished by the next load.
TEST_F(DataFileTest, APairNamedInChineseWithSpacesSavesLoadsAndSettles) {
    const std::string path = dir.file("电台 配置 1.dat"), channels = dir.file("电台 配置 1.fre");
    ASSERT_TRUE(saveDataFile(*ws, path));
    const auto saved = readBytes(path);
    EXPECT_EQ(saved.size(), kDataFileSize);
    EXPECT_EQ(readBytes(channels).size(), 2u * (10 * 7 + 3 * 6) * kChannelRecordSize);

    ws->current.header.options.tot = 3;
    ASSERT_TRUE(saveDataFile(*ws, dir.file("newer.dat")));
    writeBytes(path + ".1a2-b3.saving", readBytes(dir.file("newer.dat")));
    auto other = Workspace::create();
    ASSERT_TRUE(loadDataFile(*other, path, kV200).ok());
    EXPECT_EQ(other->current.header.options.tot, 3);
    EXPECT_EQ(readBytes(path), readBytes(dir.file("newer.dat")));
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(native::fromPath(e.path().filename()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"newer.dat", "newer.fre", "电台 配置 1.dat", "电台 配置 1.fre"}));
}

TEST_F(DataFileTest, CountsKeptAndLimitedOnSave) {
    for (int n = 1; n <= 60; ++n) ws->current.appendChannel(1, 13, n, "28.1");
    ws->current.count(0, 2) = 47;
    const std::string path = dir.file("big.dat");
    ASSERT_TRUE(saveDataFile(*ws, path));
    auto other = Workspace::create();
    ASSERT_TRUE(loadDataFile(*other, path, kV200).ok());
    EXPECT_EQ(other->current.count(1, 13), 66);  // 6 defaults + 60
    EXPECT_EQ(other->current.channels.slot(1, 13, 66).ChannelNumber, 60);
    EXPECT_EQ(other->current.count(0, 2), 1);
}

TEST_F(DataFileTest, SavingOverALongerFileLeavesExactlyTheFormat) {
    const std::string path = dir.file("over.dat");
    writeBytes(path, std::vector<std::uint8_t>(5000, 0xAA));
    ASSERT_TRUE(saveDataFile(*ws, path));
    EXPECT_EQ(std::filesystem::file_size(path), kDataFileSize);
}

TEST_F(DataFileTest, RefusedLoadsLeaveTheDocumentUnchanged) {
    const std::string good = dir.file("good.dat");
    ASSERT_TRUE(saveDataFile(*ws, good));
    const std::vector<std::uint8_t> bytes = readBytes(good);

    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
        LoadStatus status;
    };
    auto with = [&](std::size_t offset, std::vector<std::uint8_t> patch) {
        std::vector<std::uint8_t> b = bytes;
        std::copy(patch.begin(), patch.end(), b.begin() + static_cast<std::ptrdiff_t>(offset));
        return b;
    };
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    const std::vector<Case> cases = {
        {"unknown.dat", with(0, {'V', '2', '0', 'X'}), LoadStatus::UnknownVersion},
        {"w.dat", with(0, {'W', '2', '0', '0'}), LoadStatus::UnknownVersion},
        {"empty.dat", {}, LoadStatus::UnknownVersion},
        {"v201.dat", with(0, {'V', '2', '0', '1'}), LoadStatus::IncompatibleVersion},
        {"short.dat", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100), LoadStatus::WrongLength},
        {"long.dat", longer, LoadStatus::WrongLength},
        {"count.dat", with(78, {100, 0}), LoadStatus::FileError},
        {"negative.dat", with(80, {0xFF, 0xFF}), LoadStatus::FileError},
    };
    auto target = startup();
    target->current.appendChannel(0, 5, 9, "28.3");
    const DocumentHeader before = target->current.header;
    for (const Case& c : cases) {
        writeBytes(dir.file(c.name), c.data);
        const LoadResult r = loadDataFile(*target, dir.file(c.name), kV200);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(target->current.header, before) << c.name;
        EXPECT_TRUE(target->untitled);
        // The same bytes in memory are refused alike.
        EXPECT_EQ(loadDataFileBytes(*target, c.data, readBytes(dir.file("good.fre")), kV200).status, c.status) << c.name;
        EXPECT_EQ(target->current.header, before) << c.name;
    }
    EXPECT_EQ(loadDataFile(*target, dir.file("missing.dat"), kV200).status, LoadStatus::FileError);
    EXPECT_EQ(loadDataFile(*target, dir.path().string(), kV200).status, LoadStatus::FileError);
    EXPECT_EQ(loadDataFile(*target, dir.file("v201.dat"), pairs({{"V200", "V201"}})).status, LoadStatus::Ok);
}

TEST_F(DataFileTest, TheBytesOfAPairLoadAsTheFilesDo) {
    const std::string path = dir.file("radio.dat");
    ASSERT_TRUE(saveDataFile(*ws, path));
    const std::vector<std::uint8_t> data = readBytes(path);
    const std::vector<std::uint8_t> channels = readBytes(dir.file("radio.fre"));

    auto fromFiles = Workspace::create();
    ASSERT_TRUE(loadDataFile(*fromFiles, path, kV200).ok());
    auto fromBytes = startup();
    ASSERT_TRUE(loadDataFileBytes(*fromBytes, data, channels, kV200).ok());
    EXPECT_EQ(fromBytes->current.header, fromFiles->current.header);
    forEachGroup([&](int m, int g) {
        for (int p = 1; p <= fromFiles->current.count(m, g); ++p)
            EXPECT_EQ(fromBytes->current.channels.slot(m, g, p), fromFiles->current.channels.slot(m, g, p));
    });
    EXPECT_FALSE(documentChanged(*fromBytes));
    // Bytes have no name: the document keeps its own.
    EXPECT_TRUE(fromBytes->untitled);
    EXPECT_EQ(fromBytes->fileName, "new.dat");

    // A channel file that ends inside its second record: the first record is read, the
    // records it lacks are empty.
    auto cut = startup();
    const std::span<const std::uint8_t> firstAndAHalf(channels.data(), kChannelRecordSize + kChannelRecordSize / 2);
    ASSERT_TRUE(loadDataFileBytes(*cut, data, firstAndAHalf, kV200).ok());
    ASSERT_GE(fromFiles->current.count(0, 1), 2);
    EXPECT_EQ(cut->current.channels.slot(0, 1, 1), fromFiles->current.channels.slot(0, 1, 1));
    EXPECT_EQ(cut->current.channels.slot(0, 1, 2), ChannelRecord{});
    EXPECT_EQ(cut->current.count(0, 1), fromFiles->current.count(0, 1));
}

TEST_F(DataFileTest, LoadResultMessages) {
    using L = LanguageIndex;
    EXPECT_EQ(loadResultMessage({LoadStatus::UnknownVersion, "V20X"}, L::English), "Unknown version Of DataFile!");
    EXPECT_EQ(loadResultMessage({LoadStatus::WrongLength, "V200"}, L::English),
              "Fail to start the software. This version does not exist.");
    EXPECT_EQ(loadResultMessage({LoadStatus::FileError, ""}, L::Chinese), "文件错误。");
    EXPECT_EQ(loadResultMessage({LoadStatus::IncompatibleVersion, "V201"}, L::English),
              "incompatible version. It may cause unknown error.To start the corresponding software version, "
              "or not?\r\nDataFile version is V2.01\r\nprogramming software is V2.00");
}

TEST_F(DataFileTest, MissingOrShortChannelFileGivesEmptyRecords) {
    const std::string path = dir.file("pair.dat");
    ASSERT_TRUE(saveDataFile(*ws, path));
    std::vector<std::uint8_t> channels = readBytes(dir.file("pair.fre"));
    channels.resize(kChannelRecordSize + 10);  // one whole record and a bit
    writeBytes(dir.file("pair.fre"), channels);
    auto other = Workspace::create();
    ASSERT_TRUE(loadDataFile(*other, path, kV200).ok());
    EXPECT_EQ(other->current.count(0, 1), 7);
    EXPECT_EQ(other->current.channels.slot(0, 1, 1).ChannelNumber, 41);
    EXPECT_EQ(other->current.channels.slot(0, 1, 2), ChannelRecord{});

    std::filesystem::remove(dir.file("pair.fre"));
    ASSERT_TRUE(loadDataFile(*other, path, kV200).ok());
    EXPECT_EQ(other->current.channels.slot(0, 1, 1), ChannelRecord{});
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldPairAndTheUnsavedState) {
    const std::string path = dir.file("keep.dat");
    ASSERT_TRUE(saveDataFile(*ws, path));
    const auto oldData = readBytes(path);
    const auto oldChannels = readBytes(dir.file("keep.fre"));
    ws->current.appendChannel(0, 14, 1, "21.2");
    ASSERT_TRUE(documentChanged(*ws));

    // A data file without write permission is refused before anything is written.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    FileFailure failure;
    EXPECT_FALSE(saveDataFile(*ws, path, {}, &failure));
    EXPECT_EQ(failure.code, kFailReadOnlyFile);
    EXPECT_EQ(readBytes(path), oldData);
    EXPECT_EQ(readBytes(dir.file("keep.fre")), oldChannels);
    EXPECT_TRUE(documentChanged(*ws));
    EXPECT_FALSE(std::filesystem::exists(dir.file("keep.dat.saving")));

    EXPECT_FALSE(saveDataFile(*ws, dir.file("self.fre")));  // its own channel file
    EXPECT_FALSE(saveDataFile(*ws, dir.file("no/such/folder/x.dat")));
}

TEST_F(DataFileTest, DocumentChangedComparesTheListedFieldsOnly) {
    struct Case {
        const char* what;
        void (*edit)(Document&);
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [](Document&) {}, false},
        {"tx frequency", [](Document& d) { d.channels.slot(0, 1, 1).TxFrequency.set("29000000"); }, false},
        {"field 31 roger", [](Document& d) { d.channels.slot(0, 1, 1).RogerBeep = 3; }, false},
        {"work mode", [](Document& d) { d.header.currentWorkMode = 1; }, false},
        {"current row", [](Document& d) { d.header.currentRow.at(0, 3) = 9; }, false},
        {"clarifier", [](Document& d) { d.options().rxClarifier = 5; }, false},
        {"pf key", [](Document& d) { d.options().pfKey = 3; }, false},
        {"byte options", [](Document& d) { d.further().vox = 1; }, false},
        {"group name after NUL", [](Document& d) { d.options().groupName.at(0, 1).set(std::string("A\0xy", 4)); }, false},
        {"rx frequency", [](Document& d) { d.channels.slot(0, 1, 1).RxFrequency.set("29000000"); }, true},
        {"mode", [](Document& d) { d.channels.slot(1, 3, 2).Mode = 2; }, true},
        {"count", [](Document& d) { d.appendChannel(0, 14, 1, "21.2"); }, true},
        {"group name", [](Document& d) { d.options().groupName.at(0, 1).set("Z"); }, true},
        {"beep", [](Document& d) { d.options().beep = 0; }, true},
        {"dtmf memory", [](Document& d) { d.options().dtmfMemory[3].set("1"); }, true},
        {"rssi", [](Document& d) { d.further().rssiTable[0] = 1; }, true},
        {"roger table", [](Document& d) { d.header.rogerBeep[7].interTime() = 1; }, true},
        {"radio info", [](Document& d) { d.header.radioInfo.dateStamp.set("19991231"); }, true},
        {"same channels reordered",
         [](Document& d) { std::swap(d.channels.slot(0, 1, 1), d.channels.slot(0, 1, 7)); }, false},
        {"channel renumbered", [](Document& d) { d.channels.slot(0, 1, 7).ChannelNumber = 2; }, true},
    };
    for (const Case& c : cases) {
        auto w = startup();
        ASSERT_FALSE(documentChanged(*w));
        c.edit(w->current);
        EXPECT_EQ(documentChanged(*w), c.changed) << c.what;
    }
}

TEST_F(DataFileTest, InitialDataFileLoadsWithoutChecksAndFallsBackSilently) {
    auto source = startup();
    source->current.appendChannel(0, 16, 5, "28.5");
    source->setBandText(kBandTextOther);
    std::filesystem::create_directories(dir.file("Init"));
    const std::string path = initialDataFilePath(dir.path().string(), kBandTextOther, InitialKind::Initial);
    ASSERT_TRUE(saveDataFile(*source, path));
    std::vector<std::uint8_t> bytes = readBytes(path);
    bytes[0] = 'X';  // no version check for initial data files
    bytes.push_back(0);  // nor a length check
    writeBytes(path, bytes);

    auto target = startup();
    target->setBandText(kBandTextOther);
    ASSERT_TRUE(loadInitialDataFile(*target, dir.path().string(), InitialKind::Initial));
    EXPECT_EQ(target->current.count(0, 16), 1);
    EXPECT_EQ(target->current.header.version.raw(), "V200");
    EXPECT_EQ(target->bandText, kBandTextCb);  // from the file's work mode

    target->current.appendChannel(0, 15, 2, "21.1");
    EXPECT_FALSE(loadInitialDataFile(*target, dir.path().string(), InitialKind::New));
    EXPECT_EQ(target->current.count(0, 15), 1);  // content kept, saved copy taken
    EXPECT_FALSE(documentChanged(*target));
}

TEST(TakeSavedCopy, StampsAndLimitsCounts) {
    auto ws = Workspace::create();
    ws->setBandText(kBandTextHam);
    ws->current.count(0, 16) = 99;
    ws->current.count(0, 3) = 47;
    ws->current.count(1, 2) = 46;
    ws->current.header.version.set("V999");
    takeSavedCopy(*ws);
    const DocumentHeader& h = ws->saved.header;
    EXPECT_EQ(h.version.raw(), "V200");
    EXPECT_EQ(h.radioInfo.modelType.raw(), "LB2424P");
    EXPECT_EQ(h.radioInfo.shortModelType.raw(), "LB2424");
    EXPECT_EQ(h.radioInfo.radioTypeCode, 248);
    EXPECT_EQ(h.radioInfo.bandCode, 1);
    EXPECT_EQ(h.channelCount.at(0, 16), 99);
    EXPECT_EQ(h.channelCount.at(0, 3), 1);
    EXPECT_EQ(h.channelCount.at(1, 2), 46);
    EXPECT_EQ(ws->current.header, h);
}

}  // namespace
}  // namespace mv52
