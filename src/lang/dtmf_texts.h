#pragma once
// Texts of the DTMF window `FrmDTMF`: its three tabs, their labels and lists, and the
// autodial grid's headers.

#include <string>
#include <vector>

#include "lang/bilingual.h"

namespace mv52 {

enum class DtmfText {
    Title,
    EncodeTab,
    DecodeTab,
    AutodialTab,
    // Encode tab.
    SendTime,         // Combo1(0)
    FirstDigitTime,   // Combo1(1)
    FirstDigitDelay,  // Combo1(2)
    StarHashTone,     // Combo1(3)
    DCodeAssignment,  // Combo1(4)
    DtmfDisplay,      // Check1
    // Decode tab (shown, never stored).
    IdCode,
    IdCodeInitial,  // the ID code box's initial text "000"
    GroupCode,
    AutoResetTimer,
    CallAlert,
    Transpond,
    ClearToTranspond,
    StunFrame,
    StunCode,
    StunType,
    // Autodial grid headers.
    NumberHeader,
    MemoryHeader,
    // The Decode tab's tooltip: why its controls are disabled.
    DecodeNotStored,
};

std::string text(DtmfText key, LanguageIndex language);

// Memory n as mv52ctl names it: "Memory 3" / "存储器 3".
std::string dtmfMemoryLabel(int n, LanguageIndex language);

enum class DtmfList {
    SendTime,         // "10", "20" .. "500"
    FirstDigitTime,   // "0", "100" .. "1000"
    FirstDigitDelay,  // "100", "200" .. "2500"
    StarHashTone,     // "0", "100", "500", "1000"
    DCodeAssignment,  // "D Code", then "1s" .. "16s"
    GroupCode,
    AutoResetTimer,
    CallAlert,
    Transpond,
    StunType,
};

std::vector<std::string> items(DtmfList list, LanguageIndex language);

}  // namespace mv52
