#pragma once
// The About window's lines beyond the program's name: its release and the files it writes.

#include <string>

#include "lang/language.h"

namespace mv52 {

enum class AboutText {
    Release,       // before the release number from the project version
    SettingsFile,  // before the settings file in use
    LogFolder,     // before the folder of the daily logs
    PerUser,       // after the two paths when they are the user's own, not the tree's
};

std::string text(AboutText key, LanguageIndex language);

}  // namespace mv52
