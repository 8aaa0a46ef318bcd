#pragma once
// Every command of the main window in one table: each item of the menu, each button of the
// main toolbar and each node of the navigation tree is one row, naming the command it runs.
// The window builds its menu, toolbar and tree from these rows and runs a command by its
// `Command`, never by a caption.

#include <span>
#include <string>
#include <string_view>

#include "lang/bilingual.h"
#include "lang/language.h"
#include "lang/main_window_texts.h"

namespace mv52 {

enum class Command {
    None,  // an item the window keeps hidden
    New,   // with "All data will be cleared." first
    NewWithoutQuestion,
    Open,
    Save,
    SaveAs,
    // Our own: channel lists as CSV and the whole configuration as YAML.
    ImportChannels,
    ExportChannels,
    ImportConfiguration,
    ExportConfiguration,
    Exit,
    ChannelInformation,
    OptionFeatures,
    RogerBeep,
    Dtmf,
    ReadFromRadio,
    WriteToRadio,
    VerifyAfterWrite,  // our own: the check item that makes a write read the radio back
    CommunicationPort,
    LanguageSetup,
    InitialSetting,
    TreeView,
    Toolbar,
    StatusBar,
    Cascade,
    CloseAllWindows,
    About,
    Undo,  // our own: the document history
    Redo,
    SaveSupportInformation,  // our own: logs, settings and versions in one archive
    // Our own: the channel grid's clipboard from the Edit menu.
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    // Our own: the channel sheet on a printer, in a preview, or as a PDF file.
    Print,
    PrintPreview,
    ExportPdf,
    ChannelTable,  // our own: every channel of a group in one editable grid
};

enum class CommandPlace { Menu, Toolbar, Tree };

// The caption of the roger-beep item comes from its window's texts, not from the main
// window's table.
enum class CaptionSource { MainTable, RogerBeepTitle };

struct CommandRow {
    CommandPlace place;
    // Menu: the object name of the item ("mnuNew"). Toolbar: the button's key ("新建").
    // Tree: the node's key ("N1").
    std::string_view key;
    // The object name of the toolbar button ("tbNew"); the key elsewhere.
    std::string_view objectName;
    // The menu an item belongs to ("mnuFile"); empty elsewhere.
    std::string_view menu;
    MainText caption;  // of the item, of the node, or of the menu item a tooltip is taken from
    CaptionSource captionSource = CaptionSource::MainTable;
    Command command = Command::None;
    std::string_view shortcut = {};  // portable text ("Ctrl+N"; several: "Ctrl+Y; Ctrl+Shift+Z")
    bool offered = true;             // false: hidden for the whole run
    bool separatorBefore = false;
    bool checkable = false;
    bool checkedAtStart = false;     // a checkable item the window does not set from the settings
};

// A menu of the menu bar, in bar order.
struct MenuRow {
    std::string_view key;  // "mnuFile"
    MainText caption;
    bool offered;
};

std::span<const MenuRow> menuRows();
// Menu items in menu order, then the toolbar in position order (a row with an empty key is
// a separator), then the tree's nodes below the root.
std::span<const CommandRow> commandRows();

// The caption a row shows in `language`: the menu item's text ("&New"), the node's text
// ("&Channel Information", "Roger Beep"), or for a toolbar button its tooltip: the named menu
// caption without its access key ("New", "新建").
std::string commandCaption(const CommandRow& row, LanguageIndex language);


}  // namespace mv52
