#include "app/command_table.h"

#include <array>

#include "lang/roger_beep_texts.h"

namespace mv52 {
namespace {

using C = Command;
using P = CommandPlace;
using T = MainText;

constexpr auto kMenus = std::to_array<MenuRow>({
    {"mnuFile", T::File, true},
    {"mnuModel", T::Model, false},
    {"mnuEdit", T::Edit, true},
    {"mnuProgram", T::Program, true},
    {"mnuTools", T::Tools, false},
    {"mnuSetup", T::Setup, true},
    {"mnuView", T::View, true},
    {"mnuWindow", T::Window, true},
    {"mnuHelp", T::Help, true},
});

constexpr CommandRow item(std::string_view menu, std::string_view key, T caption, C command,
                          std::string_view shortcut = {}) {
    return {P::Menu, key, key, menu, caption, CaptionSource::MainTable, command, shortcut};
}
constexpr CommandRow after(CommandRow row) {
    row.separatorBefore = true;
    return row;
}
constexpr CommandRow hidden(std::string_view menu, std::string_view key, T caption) {
    CommandRow row = item(menu, key, caption, C::None);
    row.offered = false;
    return row;
}
constexpr CommandRow toggle(CommandRow row, bool checkedAtStart = true) {
    row.checkable = true;
    row.checkedAtStart = checkedAtStart;
    return row;
}
constexpr CommandRow button(std::string_view key, std::string_view objectName, T tooltip, C command) {
    return {P::Toolbar, key, objectName, {}, tooltip, CaptionSource::MainTable, command};
}
constexpr CommandRow toolbarSeparator(std::string_view objectName) {
    return {P::Toolbar, {}, objectName, {}, T::File, CaptionSource::MainTable, C::None};
}
constexpr CommandRow node(std::string_view key, T caption, C command) {
    return {P::Tree, key, key, {}, caption, CaptionSource::MainTable, command};
}
constexpr CommandRow fromRogerTexts(CommandRow row) {
    row.captionSource = CaptionSource::RogerBeepTitle;
    return row;
}
constexpr CommandRow notOffered(CommandRow row) {
    row.offered = false;
    return row;
}

constexpr auto kRows = std::to_array<CommandRow>({
    // File
    item("mnuFile", "mnuNew", T::New, C::New, "Ctrl+N"),
    item("mnuFile", "mnuOpen", T::Open, C::Open, "Ctrl+O"),
    item("mnuFile", "mnuSave", T::Save, C::Save, "Ctrl+S"),
    item("mnuFile", "mnuSaveAs", T::SaveAs, C::SaveAs),
    after(item("mnuFile", "mnuImportChannels", T::ImportChannels, C::ImportChannels)),
    item("mnuFile", "mnuExportChannels", T::ExportChannels, C::ExportChannels),
    item("mnuFile", "mnuImportConfiguration", T::ImportConfiguration, C::ImportConfiguration),
    item("mnuFile", "mnuExportConfiguration", T::ExportConfiguration, C::ExportConfiguration),
    after(item("mnuFile", "mnuPrint", T::PrintSheet, C::Print, "Ctrl+P")),
    item("mnuFile", "mnuPrintPreview", T::PrintPreview, C::PrintPreview),
    item("mnuFile", "mnuExportPdf", T::ExportPdf, C::ExportPdf),
    after(item("mnuFile", "mnuExit", T::Exit, C::Exit)),
    // Model (never offered)
    hidden("mnuModel", "mnuModelInformation", T::ModelInformation),
    hidden("mnuModel", "mnuBand", T::Band),
    hidden("mnuModel", "mnuCheckAllChannelFrequency", T::CheckAllChannelFrequency),
    // Edit
    item("mnuEdit", "mnuUndo", T::Undo, C::Undo, "Ctrl+Z"),
    item("mnuEdit", "mnuRedo", T::Redo, C::Redo, "Ctrl+Y; Ctrl+Shift+Z"),
    after(item("mnuEdit", "mnuCut", T::Cut, C::Cut, "Ctrl+X")),
    item("mnuEdit", "mnuCopy", T::Copy, C::Copy, "Ctrl+C"),
    item("mnuEdit", "mnuPaste", T::Paste, C::Paste, "Ctrl+V"),
    item("mnuEdit", "mnuDelete", T::Delete, C::Delete, "Del"),
    item("mnuEdit", "mnuSelectAll", T::SelectAll, C::SelectAll, "Ctrl+A"),
    after(item("mnuEdit", "mnuChannelInformation", T::ChannelInformation, C::ChannelInformation)),
    after(item("mnuEdit", "mnuOptionFeatures", T::OptionFeatures, C::OptionFeatures)),
    fromRogerTexts(item("mnuEdit", "mnuRogerBeep", T::Edit, C::RogerBeep)),
    hidden("mnuEdit", "mnuKeyAssignment", T::KeyAssignment),
    hidden("mnuEdit", "mnuScanInformation", T::ScanInformation),
    hidden("mnuEdit", "mnuDtmf", T::Dtmf),
    hidden("mnuEdit", "mnuFleetSync", T::FleetSync),
    hidden("mnuEdit", "mnuTestFrequence", T::TestFrequence),
    hidden("mnuEdit", "mnuLocalInformation", T::LocalInformation),
    hidden("mnuEdit", "mnuEmbeddedMessage", T::EmbeddedMessage),
    // Program
    item("mnuProgram", "mnuReadFromRadio", T::ReadFromRadio, C::ReadFromRadio),
    item("mnuProgram", "mnuWriteToRadio", T::WriteToRadio, C::WriteToRadio),
    // Checked from the settings ("VerifyAfterWrite") when the window is built.
    after(toggle(item("mnuProgram", "mnuVerifyAfterWrite", T::VerifyAfterWrite, C::VerifyAfterWrite), false)),
    hidden("mnuProgram", "mnuTestMode", T::TestMode),
    // Tools (never offered)
    hidden("mnuTools", "mnuRadioInformation", T::RadioInformation),
    hidden("mnuTools", "mnuSetRadioInformation", T::SetRadioInformation),
    // Setup
    item("mnuSetup", "mnuCommunicationPort", T::CommunicationPort, C::CommunicationPort),
    item("mnuSetup", "mnuLanguageSetup", T::LanguageSetup, C::LanguageSetup),
    item("mnuSetup", "mnuInitialSetting", T::InitialSetting, C::InitialSetting),
    // View
    toggle(item("mnuView", "mnuTreeView", T::TreeView, C::TreeView)),
    after(toggle(item("mnuView", "mnuToolbar", T::Toolbar, C::Toolbar))),
    toggle(item("mnuView", "mnuStatusBar", T::StatusBar, C::StatusBar)),
    after(item("mnuView", "mnuChannelTable", T::ChannelTable, C::ChannelTable, "Ctrl+T")),
    // Window (the list of open child windows follows these)
    item("mnuWindow", "mnuCascade", T::Cascade, C::Cascade),
    hidden("mnuWindow", "mnuTileWindowsVertically", T::TileWindowsVertically),
    hidden("mnuWindow", "mnuTileWindowsHorizontally", T::TileWindowsHorizontally),
    hidden("mnuWindow", "mnuArrangeIcons", T::ArrangeIcons),
    after(item("mnuWindow", "mnuCloseAllWindows", T::CloseAllWindows, C::CloseAllWindows)),
    // Help
    hidden("mnuHelp", "mnuHelpTopics", T::HelpTopics),
    item("mnuHelp", "mnuSupportInformation", T::SaveSupportInformation, C::SaveSupportInformation),
    after(item("mnuHelp", "mnuAbout", T::About, C::About)),

    // The main toolbar by position.
    button("新建", "tbNew", T::New, C::NewWithoutQuestion),
    button("打开", "tbOpen", T::Open, C::Open),
    button("保存", "tbSave", T::Save, C::Save),
    toolbarSeparator("tbSeparator4"),
    button("打印", "tbPrint", T::Print, C::Print),
    toolbarSeparator("tbSeparator6"),
    button("ReadRadio", "tbReadRadio", T::ReadFromRadio, C::ReadFromRadio),
    button("CommSet", "tbCommSet", T::CommunicationPort, C::CommunicationPort),
    button("WriteRadio", "tbWriteRadio", T::WriteToRadio, C::WriteToRadio),
    toolbarSeparator("tbSeparator10"),
    notOffered(button("MWriteRadio", "tbMWriteRadio", T::File, C::None)),
    // Only the never-offered button follows it: it would double the separator before.
    notOffered(toolbarSeparator("tbSeparator12")),
    button("About", "tbAbout", T::About, C::About),

    // The navigation tree below its root "N0".
    node("N1", T::ChannelInformation, C::ChannelInformation),
    // "N1.1": a node below N1.
    node("N1.1", T::ChannelTable, C::ChannelTable),
    node("N2", T::OptionFeatures, C::OptionFeatures),
    fromRogerTexts(node("N12", T::Edit, C::RogerBeep)),
    node("N5", T::Dtmf, C::Dtmf),
});

}  // namespace

std::span<const MenuRow> menuRows() { return kMenus; }

std::span<const CommandRow> commandRows() { return kRows; }

std::string commandCaption(const CommandRow& row, LanguageIndex language) {
    if (row.captionSource == CaptionSource::RogerBeepTitle) {
        return text(row.place == CommandPlace::Menu ? RogerText::MenuCaption : RogerText::Title, language);
    }
    const std::string caption = text(row.caption, language);
    return row.place == CommandPlace::Toolbar ? withoutAccessKey(caption) : caption;
}

}  // namespace mv52
