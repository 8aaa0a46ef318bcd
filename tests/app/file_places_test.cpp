#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/file_places.h"
#include "app/settings.h"
#include "app/startup.h"
#include "data/native_files.h"
#include "platform/ini_profile_file.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "system/daily_log.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The core joins folders with "/", which Windows takes as well as its own "\\".
std::string normal(const std::string& path) { return native::fromPath(native::toPath(path).lexically_normal()); }

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file below `root` with its content: what "nothing written into the tree" compares.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        files[entry.path().string()] = entry.is_regular_file() ? readText(entry.path()) : "<folder>";
    return files;
}

constexpr const char* kTreeSettings = "[language]\nIsFirstRun=0\ncomPort=6\nHandshaking=0\nStopBit=0\nCurrentLanguage=2\n";

// An installation tree as the build lays it out, and a home with the user's folders.
struct FilePlacesTest : ::testing::Test {
    test::TempDir dir;
    fs::path tree = dir.path() / "opt" / "mv52";
    std::string programFolder = (tree / "ZU_418").string();
    UserFolders user{(dir.path() / "home" / "config" / "MV52").string(),
                     (dir.path() / "home" / "state" / "MV52" / "logs").string()};
    IniProfileFile profiles;
    test::FakeLocale locale;
    test::FakeClock clock;

    void SetUp() override {
        writeText(tree / "Version.ini", "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\n");
        writeText(tree / "language" / "mysetup.ini", kTreeSettings);
        fs::create_directories(programFolder);
    }

    std::unique_ptr<AppState> start(const FolderCheck& writable) {
        StartupServices services{profiles, locale, clock, programFolder, &user, writable};
        return runStartup(services);
    }
};

bool treeIsReadOnly(const std::string&) { return false; }

TEST_F(FilePlacesTest, ASharedTreeKeepsEverythingTheProgramWritesInTheUsersFolders) {
    const auto before = snapshot(tree);

    auto app = start(treeIsReadOnly);
    const std::string userSettings = user.config + "/mysetup.ini";
    EXPECT_TRUE(app->perUserFiles);
    EXPECT_EQ(app->settingsPath, userSettings);
    EXPECT_EQ(app->logFolder, user.logs);
    // Seeded from the tree's copy: its port and language are this user's first settings, and
    // nothing staged is left beside the file.
    EXPECT_EQ(app->settings.comPort, 6);
    EXPECT_FALSE(fs::exists(userSettings + ".seed"));
    EXPECT_FALSE(fs::exists(userSettings + ".seed.saving"));
    EXPECT_EQ(app->language(), LanguageIndex::Chinese);

    ASSERT_TRUE(storeComPort(profiles, app->settingsPath, 9));
    ASSERT_TRUE(storeVerifyAfterWrite(profiles, app->settingsPath, true));
    DailyLog(app->logFolder, clock).writeLogLine(kLogTitleSent, "45 4E 44");

    app = start(treeIsReadOnly);
    EXPECT_EQ(app->settings.comPort, 9);
    EXPECT_TRUE(app->settings.verifyAfterWrite);
    EXPECT_NE(readText(DailyLog(user.logs, clock).pathForToday()).find("45 4E 44"), std::string::npos);
    EXPECT_EQ(snapshot(tree), before);
}

TEST_F(FilePlacesTest, AWritableTreeKeepsItsOwnFilesAndTouchesNoUserFolder) {
    const auto app = start(folderWritable);
    EXPECT_FALSE(app->perUserFiles);
    EXPECT_EQ(normal(app->settingsPath), normal((tree / "language" / "mysetup.ini").string()));
    EXPECT_EQ(app->logFolder, programFolder);
    ASSERT_TRUE(storeComPort(profiles, app->settingsPath, 4));
    EXPECT_NE(readText(tree / "language" / "mysetup.ini").find("comPort=4"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path() / "home"));
}

TEST_F(FilePlacesTest, TheRuleLooksAtBothFoldersAndTheSharedMarker) {
    const std::string languageFolder = (tree / "language").string();
    struct Case {
        const char* name;
        bool programWritable;
        bool languageWritable;
        bool marked;
        bool perUser;
    };
    const Case cases[] = {
        {"both writable", true, true, false, false},
        {"program folder read-only", false, true, false, true},
        {"language folder read-only", true, false, false, true},
        {"both read-only", false, false, false, true},
        {"writable but marked shared", true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path marker = tree / kSharedTreeMarker;
        if (c.marked) writeText(marker, "shared\n");
        else fs::remove(marker);
        const FilePlaces places = chooseFilePlaces(programFolder, user, [&](const std::string& folder) {
            if (normal(folder) == normal(programFolder)) return c.programWritable;
            if (normal(folder) == normal(languageFolder)) return c.languageWritable;
            ADD_FAILURE() << "asked about " << folder;
            return true;
        });
        EXPECT_EQ(places.perUser, c.perUser);
        EXPECT_EQ(normal(places.settingsFile), normal(c.perUser ? user.config + "/mysetup.ini" : languageFolder + "/mysetup.ini"));
        EXPECT_EQ(places.logFolder, c.perUser ? user.logs : programFolder);
    }
}

TEST_F(FilePlacesTest, SeedingNeverReplacesTheUsersOwnSettings) {
    writeText(fs::path(user.config) / "mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=3\n[ports]\nCOM99=/dev/pts/4\n");
    const auto app = start(treeIsReadOnly);
    EXPECT_EQ(app->settings.comPort, 3);
    EXPECT_EQ(profiles.read(app->settingsPath, "ports", "COM99", ""), "/dev/pts/4");
}

TEST_F(FilePlacesTest, WithoutATemplateTheUsersFileStartsFromTheDefaults) {
    fs::remove(tree / "language" / "mysetup.ini");
    locale.systemId = 0x0804;
    const auto app = start(treeIsReadOnly);
    EXPECT_EQ(app->settings.comPort, 1);
    EXPECT_EQ(app->language(), LanguageIndex::Chinese);  // a first run takes the system language
    EXPECT_EQ(profiles.read(app->settingsPath, kSettingsSection, "IsFirstRun", ""), "0");
    EXPECT_FALSE(fs::exists(tree / "language" / "mysetup.ini"));
}

TEST(FolderWritable, TriesACreateAndLeavesNothingBehind) {
    test::TempDir dir;
    EXPECT_TRUE(folderWritable(dir.path().string()));
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_FALSE(folderWritable((dir.path() / "missing").string()));
    writeText(dir.path() / "file", "x");
    EXPECT_FALSE(folderWritable((dir.path() / "file").string()));
}

}  // namespace
}  // namespace mv52
