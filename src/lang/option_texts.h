#pragma once
// Texts of the optional-features window `FrmOptFeatures`: title, labels, check boxes,
// frames and the items of its fixed lists.

#include <array>
#include <string>
#include <vector>

#include "lang/bilingual.h"

namespace mv52 {

enum class OptionText {
    Title,
    // Left column.
    Tot,
    Indic,
    Mic,
    AsqLevel,
    Nog,
    Color,
    Scm,
    Fin,
    TxOffset,
    TxOffsetUnit,  // "MHz" after the Tx Offset box
    Vox,
    VoxLevel,
    VoxDelay,
    VoxSpk,
    MicType,
    RxNr,
    TxNr,
    Emg,
    VolPath,
    EchoVol,
    EchoTime,
    AmNpc,
    Vfo,
    VfoStep,
    // Middle column.
    Beep,
    FmDeviation,
    SsbTone,
    PfKey,
    FinRange,
    Agc,
    VolDisplay,  // chkCheck2(0)..(3)
    SqlDisplay,
    PowDisplay,
    RfgDisplay,
    SwrProtect,      // Check1(3)
    SwrMax,          // "Max", Text2(0)
    BatteryProtect,  // Check1(4)
    BatteryMin,      // "Min[V]", Text2(1)
    BatteryMax,      // "Max[V]", Text2(2)
    ModeEnable,      // the frame
    FmEnable,        // Check1(5)..(10)
    AmEnable,
    UsbEnable,
    LsbEnable,
    PaEnable,
    CwEnable,
    // Right column.
    HfDwBand,
    HfDwChan,
    HfDwMode,
    HamDwBand,
    HamDwChan,
    HamDwMode,
    HfPublic,
    HamPublic,
    CwFreq,
    CwBeep,
    Dim,
    // Public-channel frame.
    PublicFrame,
    PublicBot,
    PublicEot,
    PublicCall,
    PublicHiCut,
    PublicNbAnl,
    PublicEcho,
    PublicAdd10k,
    Roger,       // Combo1(53)
    PublicMode,  // Combo1(18)
};

std::string text(OptionText key, LanguageIndex language);

// The fixed lists, one key per control. The lists filled from the document (the roger and
// DTMF numbers, the enabled modes) are not here; the roger and DTMF lists begin with the
// shared "OFF" entry.
enum class OptionList {
    Tot,          // Combo1(9)
    Indic,        // Combo1(2)
    Mic,          // Combo1(3)
    AsqLevel,     // Combo1(24)
    Nog,          // Combo1(8)
    Color,        // Combo1(17)
    Scm,          // Combo1(10)
    Fin,          // Combo1(11)
    Vox,          // Combo1(35)
    VoxLevel,     // Combo1(27)
    VoxDelay,     // Combo1(28)
    VoxSpk,       // Combo1(51)
    MicType,      // Combo1(29)
    RxNr,         // Combo1(25)
    TxNr,         // Combo1(26)
    Emg,          // Combo1(34)
    VolPath,      // Combo1(31)
    EchoVol,      // Combo1(32)
    EchoTime,     // Combo1(33)
    AmNpc,        // Combo1(37)
    Vfo,          // Combo1(38)
    VfoStep,      // Combo1(36)
    Beep,         // Combo1(39)
    FmDeviation,  // Combo1(40)
    SsbTone,      // Combo1(41)
    PfKey,        // Combo1(42)
    FinRange,     // Combo1(44)
    Agc,          // Combo1(52)
    HfDwBand,     // Combo1(12)
    HfDwChan,     // Combo1(13)
    HfDwMode,     // Combo1(14)
    HamDwBand,    // Combo1(15)
    HamDwChan,    // Combo1(16)
    HamDwMode,    // Combo1(0)
    HfPublic,     // Combo1(45)
    HamPublic,    // Combo1(46)
    CwFreq,       // Combo1(47)
    CwBeep,       // Combo1(48)
    Dim,          // Combo1(49)
    PublicHiCut,  // Combo2(0)
    PublicNbAnl,  // Combo2(1)
    PublicEcho,   // Combo2(2)
    PublicAdd10k, // Combo2(3)
};

std::vector<std::string> items(OptionList list, LanguageIndex language);

// The key-function list of `pfKey` and `longKey`, the same in both languages.
extern const std::array<const char*, 19> kKeyFunctionNames;

}  // namespace mv52
