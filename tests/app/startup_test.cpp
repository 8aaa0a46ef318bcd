#include <gtest/gtest.h>

#include "app/decimal_symbol.h"
#include "app/startup.h"
#include "app/window_placement.h"
#include "storage/data_file.h"
#include "support/fakes.h"

namespace mv52 {
namespace {

struct StartupFixture : ::testing::Test {
    test::MemoryProfiles profiles;
    test::FakeLocale locale;
    test::FakeClock clock;
    StartupServices services{profiles, locale, clock, "/inst/ZU_418"};

    void SetUp() override {
        profiles.files["/inst/Version.ini"] =
            "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\n";
        profiles.files["/inst/language/mysetup.ini"] = "[language]\nIsFirstRun=0\ncomPort=6\nCurrentLanguage=2\n";
    }
};

TEST_F(StartupFixture, RunsTheStepsInOrder) {
    locale.symbol = ",";
    const auto app = runStartup(services);
    EXPECT_TRUE(isCompatible(app->versions, "V200", "V200"));
    EXPECT_FALSE(app->warnAboutVersionTable());
    EXPECT_EQ(locale.symbol, ".");
    EXPECT_EQ(app->decimalSymbol.symbol, ",");
    EXPECT_EQ(app->settings.comPort, 6);
    EXPECT_EQ(app->language(), LanguageIndex::Chinese);
    const Workspace& ws = *app->workspace;
    EXPECT_TRUE(ws.untitled);
    EXPECT_EQ(ws.fileName, "new.dat");
    EXPECT_EQ(ws.current.count(0, 1), 7);
    EXPECT_EQ(ws.current.header.radioInfo.dateStamp.raw(), dateStamp(clock));
    EXPECT_FALSE(documentChanged(ws));
    EXPECT_TRUE(app->pending.empty());
}

TEST_F(StartupFixture, MissingVersionFileGivesAnEmptyTableAndAWarning) {
    profiles.files.erase("/inst/Version.ini");
    const auto app = runStartup(services);
    EXPECT_TRUE(app->warnAboutVersionTable());
    EXPECT_TRUE(app->versions.pairs.empty());
}

TEST_F(StartupFixture, HostileVersionFilesNeverStopStartUp) {
    const std::string cases[] = {
        std::string(3000, '\xFF'),
        "[Version]\nSoftVersionCount=-5\nFirmVersionCount=-1\n",
        "[Version]\nSoftVersionCount=2\nFirmVersionCount=2000000000\n[Firm]\nFirm0=V200V200\n",
        "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=" + std::string(100000, 'V') + "\n",
        "[Version]\nSoftVersionCount=1\nFirmVersionCount=3\n[Firm]\nFirm0=V2\nFirm1=\n",
    };
    for (const std::string& text : cases) {
        profiles.files["/inst/Version.ini"] = text;
        const auto app = runStartup(services);
        EXPECT_LE(app->versions.pairs.size(), 1000u);
        for (const VersionPair& p : app->versions.pairs) EXPECT_LE(p.program.size(), 4u);
    }
}

TEST(DecimalSymbol, RestoredAfterACloseAndKeptOtherwise) {
    test::FakeLocale locale;
    locale.symbol = ",";
    const RememberedDecimalSymbol remembered = forceDecimalPoint(locale);
    EXPECT_EQ(locale.symbol, ".");
    // A close cancelled at the save question simply does not call the restore.
    restoreDecimalSymbol(locale, remembered);
    EXPECT_EQ(locale.symbol, ",");

    test::FakeLocale dot;
    restoreDecimalSymbol(dot, forceDecimalPoint(dot));
    EXPECT_EQ(dot.changes, 0);
}

TEST(WindowPlacement, DefaultsStoredValuesAndMinimisedWindows) {
    test::MemorySettingsStore store;
    EXPECT_EQ(loadWindowPlacement(store), (WindowPlacement{100, 100, 14500, 10500}));
    store.values["Settings/MainLeft"] = "1500";
    store.values["Settings/MainWidth"] = "wide";
    EXPECT_EQ(loadWindowPlacement(store), (WindowPlacement{1500, 100, 14500, 10500}));

    saveWindowPlacement(store, {30, 45, 9000, 6000}, false);
    EXPECT_EQ(store.values["Settings/MainTop"], "45");
    EXPECT_EQ(loadWindowPlacement(store), (WindowPlacement{30, 45, 9000, 6000}));
    saveWindowPlacement(store, {1, 2, 3, 4}, true);
    EXPECT_EQ(loadWindowPlacement(store), (WindowPlacement{30, 45, 9000, 6000}));
}

}  // namespace
}  // namespace mv52
