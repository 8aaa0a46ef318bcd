#pragma once
// Texts of undo, redo and the channel grid's clipboard: the names of the steps and what a
// paste, cut or delete has to tell.

#include <string>
#include <string_view>

#include "lang/language.h"

namespace mv52 {

enum class EditText {
    UndoStep,          // "Undo: %1"
    RedoStep,          // "Redo: %1"
    ChannelStep,       // "%1 of CH %2"
    GroupStep,         // "%1 of group %2"
    RogerEntryStep,    // "%1 of roger beep %2"
    DtmfMemoryStep,    // "DTMF memory %1"
    EditStep,          // a change without a name of its own
    PasteStep,         // "Paste into CH %1"
    CutStep,           // "Cut from CH %1"
    DeleteStep,        // "Delete from CH %1"
    ChannelsStayed,    // "%1 ..." the delete rules kept channels
    OutOfBandSkipped,  // "... CH %1"
    PastLastRow,       // "%1 ..." channels below the last row
    NothingToPaste,
    Pasted,            // "Pasted %1 channel(s) at CH %2"
};

std::string text(EditText key, LanguageIndex language);
// The text of `key` with its "%1", "%2" filled in.
std::string editText(EditText key, LanguageIndex language, std::string_view first, std::string_view second = {});

}  // namespace mv52
