// The command table holds every command of the menu, the main toolbar and the tree, each
// where the main window offers it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/command_table.h"

namespace mv52 {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr auto C = LanguageIndex::Chinese;

const CommandRow* find(CommandPlace place, std::string_view key) {
    for (const CommandRow& row : commandRows())
        if (row.place == place && row.key == key) return &row;
    return nullptr;
}

TEST(CommandTable, EveryOfferedCommandRunsFromEachPlaceThatOffersIt) {
    using P = CommandPlace;
    struct Case {
        P place;
        const char* key;
        Command command;
        const char* shortcut;
    };
    const Case cases[] = {
        {P::Menu, "mnuNew", Command::New, "Ctrl+N"},
        {P::Menu, "mnuOpen", Command::Open, "Ctrl+O"},
        {P::Menu, "mnuSave", Command::Save, "Ctrl+S"},
        {P::Menu, "mnuSaveAs", Command::SaveAs, ""},
        {P::Menu, "mnuImportChannels", Command::ImportChannels, ""},
        {P::Menu, "mnuExportChannels", Command::ExportChannels, ""},
        {P::Menu, "mnuImportConfiguration", Command::ImportConfiguration, ""},
        {P::Menu, "mnuExportConfiguration", Command::ExportConfiguration, ""},
        {P::Menu, "mnuExit", Command::Exit, ""},
        {P::Menu, "mnuChannelInformation", Command::ChannelInformation, ""},
        {P::Menu, "mnuOptionFeatures", Command::OptionFeatures, ""},
        {P::Menu, "mnuRogerBeep", Command::RogerBeep, ""},
        {P::Menu, "mnuUndo", Command::Undo, "Ctrl+Z"},
        {P::Menu, "mnuRedo", Command::Redo, "Ctrl+Y; Ctrl+Shift+Z"},
        {P::Menu, "mnuCut", Command::Cut, "Ctrl+X"},
        {P::Menu, "mnuCopy", Command::Copy, "Ctrl+C"},
        {P::Menu, "mnuPaste", Command::Paste, "Ctrl+V"},
        {P::Menu, "mnuDelete", Command::Delete, "Del"},
        {P::Menu, "mnuSelectAll", Command::SelectAll, "Ctrl+A"},
        {P::Menu, "mnuReadFromRadio", Command::ReadFromRadio, ""},
        {P::Menu, "mnuWriteToRadio", Command::WriteToRadio, ""},
        {P::Menu, "mnuVerifyAfterWrite", Command::VerifyAfterWrite, ""},
        {P::Menu, "mnuCommunicationPort", Command::CommunicationPort, ""},
        {P::Menu, "mnuLanguageSetup", Command::LanguageSetup, ""},
        {P::Menu, "mnuInitialSetting", Command::InitialSetting, ""},
        {P::Menu, "mnuTreeView", Command::TreeView, ""},
        {P::Menu, "mnuToolbar", Command::Toolbar, ""},
        {P::Menu, "mnuStatusBar", Command::StatusBar, ""},
        {P::Menu, "mnuChannelTable", Command::ChannelTable, "Ctrl+T"},
        {P::Menu, "mnuCascade", Command::Cascade, ""},
        {P::Menu, "mnuCloseAllWindows", Command::CloseAllWindows, ""},
        {P::Menu, "mnuSupportInformation", Command::SaveSupportInformation, ""},
        {P::Menu, "mnuPrint", Command::Print, "Ctrl+P"},
        {P::Menu, "mnuPrintPreview", Command::PrintPreview, ""},
        {P::Menu, "mnuExportPdf", Command::ExportPdf, ""},
        {P::Menu, "mnuAbout", Command::About, ""},
        {P::Toolbar, "新建", Command::NewWithoutQuestion, ""},
        {P::Toolbar, "打开", Command::Open, ""},
        {P::Toolbar, "保存", Command::Save, ""},
        {P::Toolbar, "打印", Command::Print, ""},
        {P::Toolbar, "ReadRadio", Command::ReadFromRadio, ""},
        {P::Toolbar, "CommSet", Command::CommunicationPort, ""},
        {P::Toolbar, "WriteRadio", Command::WriteToRadio, ""},
        {P::Toolbar, "About", Command::About, ""},
        {P::Tree, "N1", Command::ChannelInformation, ""},
        {P::Tree, "N1.1", Command::ChannelTable, ""},
        {P::Tree, "N2", Command::OptionFeatures, ""},
        {P::Tree, "N12", Command::RogerBeep, ""},
        {P::Tree, "N5", Command::Dtmf, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const CommandRow* row = find(c.place, c.key);
        ASSERT_NE(row, nullptr);
        EXPECT_TRUE(row->offered);
        EXPECT_EQ(row->command, c.command);
        EXPECT_EQ(row->shortcut, c.shortcut);
    }
    // Nothing else is offered, and every hidden row does nothing.
    std::size_t offered = 0;
    for (const CommandRow& row : commandRows()) {
        if (!row.key.empty() && row.offered) ++offered;
        if (!row.offered) {
            EXPECT_EQ(row.command, Command::None) << row.objectName;
        }
    }
    EXPECT_EQ(offered, std::size(cases));
}

TEST(CommandTable, EveryRowNamesAMenuOfTheBarAndEveryObjectNameIsUnique) {
    std::vector<std::string_view> names;
    for (const CommandRow& row : commandRows()) {
        names.push_back(row.objectName);
        if (row.place != CommandPlace::Menu) continue;
        EXPECT_TRUE(std::any_of(menuRows().begin(), menuRows().end(), [&](const MenuRow& m) { return m.key == row.menu; }))
            << row.key;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST(CommandTable, CaptionsOfMenuItemsToolbarTooltipsAndTreeNodes) {
    struct Case {
        CommandPlace place;
        const char* key;
        LanguageIndex language;
        const char* caption;
    };
    const Case cases[] = {
        {CommandPlace::Menu, "mnuNew", E, "&New"},
        {CommandPlace::Menu, "mnuNew", C, "新建(&N)"},
        {CommandPlace::Menu, "mnuRogerBeep", E, "Roger &Beep"},
        {CommandPlace::Menu, "mnuRogerBeep", C, "RB音(&B)"},
        {CommandPlace::Toolbar, "新建", C, "新建"},
        {CommandPlace::Toolbar, "ReadRadio", E, "Read from Radio"},
        {CommandPlace::Toolbar, "打印", E, "Print"},
        {CommandPlace::Tree, "N1", E, "&Channel Information"},
        {CommandPlace::Tree, "N12", E, "Roger Beep"},
        {CommandPlace::Tree, "N5", C, "DTMF(双音多频)(&D)"},
    };
    for (const Case& c : cases) {
        const CommandRow* row = find(c.place, c.key);
        ASSERT_NE(row, nullptr) << c.key;
        EXPECT_EQ(commandCaption(*row, c.language), c.caption) << c.key;
    }
}

TEST(CommandTable, AccessKeysLeaveTooltips) {
    const std::pair<const char*, const char*> cases[] = {
        {"&New", "New"}, {"Save &As", "Save As"}, {"新建(&N)", "新建"}, {"DTMF(双音多频)(&D)", "DTMF(双音多频)"},
        {"(&)", "()"},   {"", ""},                {" E&xit ", "Exit"}};
    for (const auto& [caption, tooltip] : cases) EXPECT_EQ(withoutAccessKey(caption), tooltip) << caption;
}

}  // namespace
}  // namespace mv52
