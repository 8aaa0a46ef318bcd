#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/fakes.h"

namespace mv52 {
namespace {

constexpr const char* kPath = "/inst/language/mysetup.ini";

struct StartCase {
    const char* name;
    std::uint32_t systemLocale;
    const char* file;
    LanguageIndex language;
    const char* firstRunAfter;
    const char* languageAfter;
    std::uint16_t comPort;
};

TEST(Settings, LanguageAndFirstRunCases) {
    const StartCase cases[] = {
        {"chinese first run", 0x0804, "[language]\nIsFirstRun=1\ncomPort=3\nCurrentLanguage=1\n",
         LanguageIndex::Chinese, "0", "2", 3},
        {"taiwan first run", 0x0404, "[language]\nIsFirstRun=1\ncomPort=2\nCurrentLanguage=2\n",
         LanguageIndex::English, "0", "1", 2},
        {"stored chinese", 0x0409, "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=2\n",
         LanguageIndex::Chinese, "0", "2", 1},
        {"no file", 0x0804, "", LanguageIndex::Chinese, "0", "2", 1},
        {"missing first run key", 0x0409, "[language]\nCurrentLanguage=2\n", LanguageIndex::English, "0", "1", 1},
        {"bad language", 0x0409, "[language]\nIsFirstRun=0\nCurrentLanguage=7\n", LanguageIndex::English,
         "0", "1", 1},
        {"bad port", 0x0409, "[language]\nIsFirstRun=0\ncomPort=COM3\nCurrentLanguage=1\n",
         LanguageIndex::English, "0", "1", 1},
        {"zero port", 0x0409, "[language]\nIsFirstRun=0\ncomPort=0\n", LanguageIndex::English, "0", "1", 1},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryProfiles profiles;
        if (*c.file) profiles.files[kPath] = c.file;
        const Settings s = loadSettings(profiles, kPath, c.systemLocale);
        EXPECT_EQ(s.language.current, c.language);
        EXPECT_EQ(s.comPort, c.comPort);
        EXPECT_FALSE(s.isFirstRun);
        EXPECT_EQ(profiles.value(kPath, "language", "IsFirstRun"), c.firstRunAfter);
        EXPECT_EQ(profiles.value(kPath, "language", "CurrentLanguage"), c.languageAfter);
        EXPECT_EQ(profiles.value(kPath, "language", "comPort"), std::to_string(c.comPort));
    }
}

TEST(Settings, VerifyAfterWriteIsOffUnlessStoredAsOne) {
    const std::pair<const char*, bool> cases[] = {
        {"[language]\nIsFirstRun=0\n", false},
        {"[language]\nVerifyAfterWrite=1\n", true},
        {"[language]\nverifyafterwrite = 1 \n", true},
        {"[language]\nVerifyAfterWrite=0\n", false},
        {"[language]\nVerifyAfterWrite=yes\n", false},
    };
    for (const auto& [file, expected] : cases) {
        test::MemoryProfiles profiles;
        profiles.files[kPath] = file;
        EXPECT_EQ(loadSettings(profiles, kPath, 0x0409).verifyAfterWrite, expected) << file;
    }
    test::MemoryProfiles profiles;
    ASSERT_TRUE(storeVerifyAfterWrite(profiles, kPath, true));
    EXPECT_EQ(profiles.value(kPath, "language", "VerifyAfterWrite"), "1");
    EXPECT_TRUE(loadSettings(profiles, kPath, 0x0409).verifyAfterWrite);
    ASSERT_TRUE(storeVerifyAfterWrite(profiles, kPath, false));
    EXPECT_EQ(profiles.value(kPath, "language", "VerifyAfterWrite"), "0");
}

TEST(Settings, SystemLanguageStartsAllThreeLanguageValues) {
    test::MemoryProfiles profiles;
    profiles.files[kPath] = "[language]\nIsFirstRun=0\nCurrentLanguage=1\n";
    const Settings s = loadSettings(profiles, kPath, 0x0804);
    EXPECT_EQ(s.language.current, LanguageIndex::English);
    EXPECT_EQ(s.language.system, LanguageIndex::Chinese);
    EXPECT_EQ(s.language.applied, LanguageIndex::Chinese);
}

TEST(Settings, HostileFilesNeverStopStartUp) {
    const std::string junk(5000, '\x01');
    const std::string hugeLine = "[language]\nIsFirstRun=0\ncomPort=" + std::string(100000, '9') + "\n";
    const std::string cases[] = {
        junk,
        hugeLine,
        std::string("[language]\0IsFirstRun=0\n", 24),
        "[language\nIsFirstRun=0\ncomPort=5\n",
        "IsFirstRun=0\ncomPort=5\n",
        "[language]\nHandshaking=-99999999\nStopBit=1e300\nCurrentLanguage=\n",
        "[language]\r\r\r=\n==\n[]\n",
    };
    for (const std::string& text : cases) {
        test::MemoryProfiles profiles;
        profiles.files[kPath] = text;
        const Settings s = loadSettings(profiles, kPath, 0x0409);
        EXPECT_EQ(s.comPort, 1) << text.substr(0, 40);
        EXPECT_TRUE(s.language.current == LanguageIndex::English || s.language.current == LanguageIndex::Chinese);
    }
}

TEST(Settings, UnwritableFileKeepsTheValuesRead) {
    test::MemoryProfiles profiles;
    profiles.files[kPath] = "[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=2\n";
    profiles.unwritable = true;
    const Settings s = loadSettings(profiles, kPath, 0x0409);
    EXPECT_EQ(s.comPort, 4);
    EXPECT_EQ(s.language.current, LanguageIndex::Chinese);
}

TEST(Settings, ReadOnlyLanguageForTheCommandLine) {
    test::MemoryProfiles profiles;
    profiles.files[kPath] = "[language]\nIsFirstRun=0\nCurrentLanguage=2\n";
    EXPECT_EQ(storedLanguage(profiles, kPath, 0x0409), LanguageIndex::Chinese);
    profiles.files[kPath] = "[language]\nIsFirstRun=1\nCurrentLanguage=2\n";
    EXPECT_EQ(storedLanguage(profiles, kPath, 0x0409), LanguageIndex::English);
    EXPECT_EQ(profiles.files[kPath], "[language]\nIsFirstRun=1\nCurrentLanguage=2\n");
}

TEST(Settings, PathsFollowTheParentOfTheProgramFolder) {
    EXPECT_EQ(settingsFilePath("C:\\Tools\\Radio"), "C:\\Tools/language/mysetup.ini");
    EXPECT_EQ(settingsFilePath("/opt/mv52/ZU_418"), "/opt/mv52/language/mysetup.ini");
    EXPECT_EQ(versionFilePath("/opt/mv52/ZU_418"), "/opt/mv52/Version.ini");
    EXPECT_EQ(settingsFilePath("plain"), "plain/language/mysetup.ini");
}

}  // namespace
}  // namespace mv52
