// The File menu's exchange items: the shown group's channels as CSV and the whole
// configuration as YAML, through the file dialogs, with the editors shown again afterwards;
// and the Help menu's support bundle.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <algorithm>

#include "platform/zip_archive.h"
#include "document/control_row.h"
#include "document/workspace.h"
#include "options/option_controls.h"
#include "storage/data_file.h"
#include "ui/ui_support.h"

namespace mv52 {
namespace {

using test::WindowRig;

std::string readText(const std::string& path) {
    const auto bytes = test::readBytes(path);
    return {bytes.begin(), bytes.end()};
}

// The channel window's grid, once the windows closed around the import are gone.
QTableWidget* channelGrid(WindowRig& rig) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto grids = rig.window().findChildren<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
    return grids.size() == 1 ? grids.front() : nullptr;
}

TEST(ExchangeMenu, ExportedChannelsImportBackIntoTheShownGroupAndTheGridShowsThem) {
    WindowRig rig;
    rig.window();
    const std::string csv = rig.install.file("group.csv");
    rig.files.answers = {csv};
    rig.find("mnuExportChannels")->trigger();
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.files.calls[0].save);
    EXPECT_EQ(rig.files.calls[0].filter, "Channel List (*.csv)|*.csv");
    EXPECT_EQ(rig.files.calls[0].preset, "CB_A.csv");
    const std::string exported = readText(csv);
    ASSERT_EQ(exported.rfind("Location,Name,Frequency,", 0), 0u) << exported;

    test::writeText(csv, exported + "7,,27.185000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,10.00,,,\r\n");
    rig.files.answers = {csv};
    rig.find("mnuImportChannels")->trigger();
    EXPECT_TRUE(rig.prompter.asked.empty()) << rig.prompter.asked.front().text;
    Workspace& ws = *rig.app->workspace;
    const int p = ws.current.findChannel(kWorkModeCb, 1, 7);
    ASSERT_NE(p, 0);
    EXPECT_EQ(ws.current.channels.slot(kWorkModeCb, 1, p).Mode, 1);
    EXPECT_TRUE(documentChanged(ws));
    ASSERT_NE(channelGrid(rig), nullptr);
    EXPECT_EQ(channelGrid(rig)->item(6, 1)->text(), QStringLiteral("27.18500"));

    // The whole import is one step of undo.
    QAction* undo = rig.find("mnuUndo");
    EXPECT_EQ(undo->statusTip(), QStringLiteral("Undo: Import Channels…"));
    undo->trigger();
    EXPECT_EQ(ws.current.findChannel(kWorkModeCb, 1, 7), 0);
    EXPECT_EQ(channelGrid(rig)->item(6, 1)->text(), QString());
    EXPECT_FALSE(documentChanged(ws));
}

TEST(ExchangeMenu, ARefusedImportShowsEveryRefusalAndChangesNothing) {
    WindowRig rig;
    rig.window();
    const std::string csv = rig.install.file("bad.csv");
    test::writeText(csv, "Location,Frequency\n1,27.1\n99,27.2\n3,50.0\n");
    const auto before = std::make_unique<Document>(rig.app->workspace->current);
    rig.files.answers = {csv};
    rig.find("mnuImportChannels")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text,
              "Nothing was imported. Refused:\n\n"
              "3: location '99' has no row in group CB A (1-40)\n"
              "4: frequency '50.0' is outside the band of group CB A (24.7150 - 30.1050 MHz)");
    EXPECT_EQ(rig.app->workspace->current.header, before->header);
    EXPECT_FALSE(documentChanged(*rig.app->workspace));
    EXPECT_NE(channelGrid(rig), nullptr);  // the editor is back
}

TEST(ExchangeMenu, ConfigurationExportedAndImportedIsTheSameDocument) {
    WindowRig rig;
    rig.window();
    Workspace& ws = *rig.app->workspace;
    ASSERT_TRUE(applyItem(*optionControlByLabel("TOT"), ws.current, "90s", LanguageIndex::English));
    const auto before = std::make_unique<Document>(ws.current);
    const std::string yaml = rig.install.file("radio.yaml");
    rig.files.answers = {yaml};
    rig.find("mnuExportConfiguration")->trigger();
    EXPECT_EQ(rig.files.calls.back().filter, "Configuration (*.yaml)|*.yaml;*.yml");
    EXPECT_EQ(rig.files.calls.back().preset, "new.yaml");
    ASSERT_NE(readText(yaml).find("TOT: \"90s\""), std::string::npos);

    ASSERT_TRUE(applyItem(*optionControlByLabel("TOT"), ws.current, "Off", LanguageIndex::English));
    rig.files.answers = {yaml};
    rig.find("mnuImportConfiguration")->trigger();
    EXPECT_TRUE(rig.prompter.asked.empty()) << rig.prompter.asked.front().text;
    EXPECT_EQ(ws.current.header, before->header);
    EXPECT_NE(channelGrid(rig), nullptr);
}

// Help > Save Support Information: the archive, with the data file pair only when the user
// says so.
TEST(SupportMenu, SavesTheBundleAndAddsTheDataFileOnlyOnYes) {
    WindowRig rig;
    rig.window();
    Workspace& ws = *rig.app->workspace;
    const std::string dat = rig.install.file("mine.dat");
    ASSERT_TRUE(saveDataFile(ws, dat));
    ws.fileName = dat;
    ws.untitled = false;
    for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        const std::string zip = rig.install.file(answer == PromptAnswer::Yes ? "with.zip" : "without.zip");
        rig.files.answers = {zip};
        rig.prompter.answers = {answer};
        rig.prompter.asked.clear();
        rig.find("mnuSupportInformation")->trigger();
        EXPECT_EQ(rig.files.calls.back().filter, "Zip Archive (*.zip)|*.zip");
        ASSERT_EQ(rig.prompter.asked.size(), 1u);
        EXPECT_EQ(rig.prompter.asked[0].text.find("Add the current data file pair " + dat + " to the support"), 0u);
        const auto files = readZipArchive(zip);
        ASSERT_TRUE(files);
        std::vector<std::string> names;
        for (const BundleFile& f : *files) names.push_back(f.name);
        EXPECT_EQ(names.front(), "about.txt");
        EXPECT_NE(std::find(names.begin(), names.end(), "language/mysetup.ini"), names.end());
        EXPECT_NE(std::find(names.begin(), names.end(), "Version.ini"), names.end());
        EXPECT_EQ(std::find(names.begin(), names.end(), "data/mine.dat") != names.end(), answer == PromptAnswer::Yes);
    }
}

TEST(ExchangeMenu, TheMenuSpeaksChinese) {
    WindowRig rig(0x0804, "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=0\r\nCurrentLanguage=2\r\n");
    rig.window();
    EXPECT_EQ(rig.find("mnuImportChannels")->text(), QStringLiteral("导入信道(&I)…"));
    EXPECT_EQ(rig.find("mnuExportConfiguration")->text(), QStringLiteral("导出配置(&F)…"));
}

}  // namespace
}  // namespace mv52
