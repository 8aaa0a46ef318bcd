#pragma once
// The texts of the File menu's exchange commands: the file dialogs' filters and what an
// import or export reports.

#include <string>
#include <string_view>

#include "lang/language.h"

namespace mv52 {

enum class ExchangeText {
    ChannelListFilter,    // "Channel List (*.csv)|*.csv"
    ConfigurationFilter,  // "Configuration (*.yaml)|*.yaml;*.yml"
    NothingImported,      // before the refusals
    MoreRefusals,         // "more refusals:", their count follows
    CannotRead,           // before the file's name
    TooLarge,             // before the file's name
    AlignedWithRadio,     // after a count: stored values set to what the radio would receive
    Saved,                // "Saved %1": the status bar's word after Save and Save As
    Exported,             // "Exported %1"
    Imported,             // "Imported %1"
};

std::string text(ExchangeText key, LanguageIndex language);

}  // namespace mv52
