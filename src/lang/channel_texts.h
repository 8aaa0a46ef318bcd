#pragma once
// Texts of the channel window `frmCommChInfo`: title, work-mode frame, grid headers,
// information frame, group settings and their fixed lists.

#include <string>
#include <string_view>
#include <vector>

#include "lang/bilingual.h"

namespace mv52 {

enum class ChannelText {
    Title,           // "Channel Information"; also what a double-click on a cell restores
    WorkModeLabel,   // "Select HF/HAM", Combo2
    GroupLabel,      // "Band", Combo6; also the start of the group-settings frame caption
    WorkGroupLabel,  // "Work Group", Combo3
    ChNoHeader,      // grid column 0
    FrequencyHeader, // grid column 1
    // Information-frame labels, top to bottom.
    Busy,
    Rep,
    RxCtc,
    RxCode,  // "CTC/DCS" beside the receive code boxes
    TxCtc,
    TxCode,  // "CTC/DCS" beside the transmit code boxes
    Scan,
    Public,
    Bot,
    Eot,
    Call,
    HiCut,
    NbAnl,
    Echo,
    Add10K,
    Roger,
    Mode,
    // Group settings.
    GroupValid,
    EmgMode1,
    EmgMode2,
    EmgChannel,  // "EMG CHX", followed by the channel's number 1 or 2
    // First entry of the roger-beep and DTMF lists, which continue with the numbers in use.
    ListOff,
    // Below "Frequency is out of range.": the group's band (%1) and what became of the channel.
    OutOfRangeDeleted,
    OutOfRangeStays,
    OutOfRangeNotAdded,
};

std::string text(ChannelText key, LanguageIndex language);

// The channel window's fixed lists.
enum class ChannelList {
    OffOn,          // BUSY, Public, HI-CUT, ECHO, +10KHz
    Rep,            // Combo8(7)
    ToneType,       // Combo8(17), Combo8(18)
    Scan,           // Combo8(10): "Del", "Add"
    NbAnl,          // Combo8(3)
    WorkMode,       // Combo2: CB, then HAM
    GroupValid,     // Combo1(6)
    EmergencyMode,  // Combo1(2), Combo1(3)
};

std::vector<std::string> items(ChannelList list, LanguageIndex language);

// Group-settings frame: the group-box label, " -- ", the group name ("Band -- A").
std::string groupSettingsCaption(std::string_view groupName, LanguageIndex language);

// Information frame: "More Information -- CH " and the row's name ("M45").
std::string informationFrameCaption(std::string_view channelName);

// "EMG CHX1" / "紧急信道1" for the first emergency channel, "...2" for the second.
std::string emergencyChannelLabel(int which, LanguageIndex language);

}  // namespace mv52
