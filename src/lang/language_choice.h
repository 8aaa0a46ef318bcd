#pragma once
// Choosing the interface language: the system language found at start-up, the language
// state the main window watches, and the logic of the language dialog `LanguageDialog`
// without the window itself.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "lang/messages.h"

namespace mv52 {

// A locale identifier as Windows writes it in hexadecimal: capitals, no leading zeros
// (0x0804 gives "804").
std::string localeIdHex(std::uint32_t localeId);

// Chinese when the system's default locale identifier reads "804" (Chinese, PRC), else English.
// Identifiers that merely contain 804 (another sort order, 0x20804) are not Chinese.
LanguageIndex systemLanguageFromLocale(std::uint32_t localeId);

// The decimal text stored under "CurrentLanguage".
std::string languageStoredText(LanguageIndex language);

// The language in use, the system's, and the one the main window's texts were last set in.
struct LanguageState {
    LanguageIndex current = LanguageIndex::English;
    LanguageIndex system = LanguageIndex::English;
    LanguageIndex applied = LanguageIndex::English;

    // All three start as the system language; start-up may then replace `current` by the
    // stored choice.
    static LanguageState startingWith(LanguageIndex systemLanguage);

    // The main window's activation check: true when the language changed since the texts were
    // last applied, and from then on the change counts as applied.
    bool takePendingChange();
};

// What the dialog hands back: the language to use and whether "CurrentLanguage" is written.
struct LanguageDialogResult {
    LanguageIndex language;
    bool storeChoice;
    bool operator==(const LanguageDialogResult&) const = default;
};

// The name of `which` as shown in `shownIn`: "English"/"Chinese" or "英语"/"中文".
std::string languageName(LanguageIndex which, LanguageIndex shownIn);

class LanguageDialogModel {
public:
    LanguageDialogModel(LanguageIndex current, LanguageIndex system);

    std::string caption() const;  // the window caption, "Language Setup"
    std::string label() const;    // `Label1`, "Language Mode"
    ButtonCaptions buttonCaptions() const;  // `Command1`, `Command2`

    // The entries of `Combo1`: the English name, and the Chinese name only on a Chinese
    // system, both shown in the current language.
    const std::vector<std::string>& names() const { return names_; }

    // The list's text on load: the name of the current language.
    std::string currentName() const;
    // Its position in `names()`, or -1 when it is not offered (Chinese chosen earlier on a
    // system that is not Chinese): the list then shows no entry.
    int preselectedIndex() const;

    // `Command1`: the offered English name gives English, the offered Chinese name gives
    // Chinese, any other text keeps the current language. The choice is stored even when it
    // is unchanged.
    LanguageDialogResult confirm(std::string_view chosenText) const;

    // `Command2`: nothing changes and nothing is stored.
    LanguageDialogResult cancel() const;

private:
    LanguageIndex current_;
    std::vector<std::string> names_;
};

}  // namespace mv52
