#pragma once
// The bilingual tables of the user interface. Windows hold no texts of their own: they read
// every caption from these tables when they load and when the language changes. The tables
// are constant data, complete in both languages from the start, so there is nothing to build
// at start-up and nothing a window could read before it is ready.
//
// This header gathers the shared tables; the per-window tables have their own headers and are
// included here so that one include reaches every text.

#include <cstdint>
#include <string>
#include <vector>

#include "lang/bilingual.h"
#include "lang/channel_texts.h"
#include "lang/dtmf_texts.h"
#include "lang/main_window_texts.h"
#include "lang/option_texts.h"
#include "lang/roger_beep_texts.h"

namespace mv52 {

enum class CommOperation : int;  // data/comm_operation.h

// Texts that belong to no single window.
enum class SharedText {
    PortDialogTitle,  // "Communication Port"
    PortLabel,        // "COM", the port dialog's label and the status bar's port prefix
    Close,            // `CommandClose` of the editors
    Help,             // `CommandHelp` of the editors
    Off,              // switch values in the editors
    On,
    ProgressLabel,    // "Completion percentage:"
};

std::string text(SharedText key, LanguageIndex language);

// The progress window's title for a read (1) or a write (2); empty for no operation.
std::string progressTitle(CommOperation operation, LanguageIndex language);

// The port as the status bar shows it: "COM1" / "通信口1".
std::string portText(std::uint16_t comPort, LanguageIndex language);

// The switch list of the editors that use the shared values: "OFF", "ON" / "关", "开".
std::vector<std::string> offOnItems(LanguageIndex language);

// Texts of the language dialog `LanguageDialog`.
enum class LanguageDialogText {
    Caption,      // "Language Setup"
    ModeLabel,    // `Label1`, "Language Mode"
    EnglishName,  // the English entry of the language names
    ChineseName,  // the Chinese entry of the language names
};

std::string text(LanguageDialogText key, LanguageIndex language);

}  // namespace mv52
