#pragma once
// Qt's own texts (file dialogs, "Show Details...", standard buttons) in the program's language,
// from the system's Qt translations; without them Qt speaks English.

#include "lang/language.h"

namespace mv52 {

// Installs the translations for `language`, replacing any installed before. True when Qt's
// texts are now in that language (English always is).
bool useQtTranslations(LanguageIndex language);

}  // namespace mv52
