#pragma once
// Captions of the main window: menus, toolbar tooltips, tree nodes and the title-bar word.

#include <span>
#include <string>
#include <string_view>

#include "lang/bilingual.h"

namespace mv52 {

// In the order the table is built; the main window assigns them to its menu items. Items the
// window keeps hidden still have their entries.
enum class MainText {
    File,
    New,
    Open,
    Save,
    SaveAs,
    Print,
    Exit,
    Model,
    ModelInformation,
    Band,
    CheckAllChannelFrequency,
    Edit,
    ChannelInformation,
    OptionFeatures,
    KeyAssignment,
    ScanInformation,
    Dtmf,
    FleetSync,
    TestFrequence,
    LocalInformation,
    EmbeddedMessage,
    Program,
    ReadFromRadio,
    WriteToRadio,
    TestMode,
    Tools,
    RadioInformation,
    SetRadioInformation,
    Setup,
    CommunicationPort,
    LanguageSetup,
    View,
    TreeView,
    Toolbar,
    StatusBar,
    Window,
    Cascade,
    TileWindowsVertically,
    TileWindowsHorizontally,
    ArrangeIcons,
    CloseAllWindows,
    Help,
    HelpTopics,
    About,
    InitialSetting,
    FileName,  // the word before the file name in the title bar
    VerifyAfterWrite,  // our own: the Program menu's check item
    Undo,              // our own: the top of the Edit menu
    Redo,
    // Our own: the File menu's exchange of channel lists and configurations.
    ImportChannels,
    ExportChannels,
    ImportConfiguration,
    ExportConfiguration,
    // Our own: the Help menu's support bundle.
    SaveSupportInformation,
    // Our own: the Edit menu's clipboard items, acting on the channel grid.
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    // Our own: the File menu's printing of the channel sheet. The toolbar's Print button keeps
    // `Print` ("&Print") for its tooltip.
    PrintSheet,
    PrintPreview,
    ExportPdf,
    // Our own: the View menu's channel table and its tree node.
    ChannelTable,
};

std::string text(MainText key, LanguageIndex language);

// The whole table in build order.
std::span<const KeyedText<MainText>> mainWindowTable();

// Caption of `Label1` and of the tree's root node; the same in both languages.
inline constexpr std::string_view kProgramLabel = "MV52";

// "MV52[" band "][" "File Name" ":" file "]"; `fileName` is already without its folder.
std::string mainWindowTitle(std::string_view bandText, std::string_view fileName, LanguageIndex language);

// Status bar panel 2: "MV52[" band "]".
std::string statusBandText(std::string_view bandText);

}  // namespace mv52
