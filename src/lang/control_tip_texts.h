#pragma once
// Texts of the editors' tooltips and of the note a number box gives when it did not keep
// what was typed.

#include <initializer_list>
#include <string>
#include <string_view>

#include "lang/language.h"

namespace mv52 {

enum class TipText {
    List,           // "Chooses %1: %2 settings, %3 to %4."
    ListFew,        // "Chooses %1: %2."  (a list of up to four items, all named)
    ListEmpty,      // "Chooses %1."
    Check,          // "Switches %1 on or off."
    Number,         // "%1: a number from %2 to %3, in steps of %4."
    Text,           // "%1: %2."  (what the box takes)
    Above,          // "%1: %2 is above %3; stored %4"
    Below,          // "%1: %2 is below %3; stored %4"
    Rounded,        // "%1: %2 is kept to steps of %3; stored %4"
    NotNumber,      // "%1: \"%2\" is not a number; stored %3"
    Changed,        // "%1: stored %3 instead of %2"
    ModesOff,       // "Switched off in Optional Features: %1. ..."
    PublicLocked,   // a public channel takes this from the public channel
    RogerEntries,   // where the roger-beep entries of a list come from
    DtmfCodes,      // where the DTMF memories of a list come from
    OnlyWithVox,    // VOX Level and VOX Delay
    Separator,      // ", " between the items of a list in a text
};

std::string text(TipText key, LanguageIndex language);
// The text of `key` with its "%1"... filled in.
std::string tipText(TipText key, LanguageIndex language, std::initializer_list<std::string_view> args);

}  // namespace mv52
