// The logic behind the language dialog (the window itself is set_language_dialog.cpp).
#include "lang/language_choice.h"

#include <algorithm>
#include <cstdio>

#include "lang/language_tables.h"

namespace mv52 {

std::string localeIdHex(std::uint32_t localeId) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(localeId));
    return buffer;
}

LanguageIndex systemLanguageFromLocale(std::uint32_t localeId) {
    return localeIdHex(localeId) == "804" ? LanguageIndex::Chinese : LanguageIndex::English;
}

std::string languageStoredText(LanguageIndex language) { return std::to_string(static_cast<int>(language)); }

LanguageState LanguageState::startingWith(LanguageIndex systemLanguage) {
    return {systemLanguage, systemLanguage, systemLanguage};
}

bool LanguageState::takePendingChange() {
    if (current == applied) return false;
    applied = current;
    return true;
}

std::string languageName(LanguageIndex which, LanguageIndex shownIn) {
    return text(which == LanguageIndex::Chinese ? LanguageDialogText::ChineseName : LanguageDialogText::EnglishName,
                shownIn);
}

LanguageDialogModel::LanguageDialogModel(LanguageIndex current, LanguageIndex system) : current_(current) {
    names_.push_back(languageName(LanguageIndex::English, current_));
    if (system == LanguageIndex::Chinese) names_.push_back(languageName(LanguageIndex::Chinese, current_));
}

std::string LanguageDialogModel::caption() const { return text(LanguageDialogText::Caption, current_); }

std::string LanguageDialogModel::label() const { return text(LanguageDialogText::ModeLabel, current_); }

ButtonCaptions LanguageDialogModel::buttonCaptions() const { return dialogButtonCaptions(current_); }

std::string LanguageDialogModel::currentName() const { return languageName(current_, current_); }

int LanguageDialogModel::preselectedIndex() const {
    const auto it = std::find(names_.begin(), names_.end(), currentName());
    return it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

LanguageDialogResult LanguageDialogModel::confirm(std::string_view chosenText) const {
    // Only the names the list offers, as it shows them, can choose a language; so a system
    // that is not Chinese can never be switched to Chinese here.
    LanguageIndex chosen = current_;
    const bool offered = std::find(names_.begin(), names_.end(), chosenText) != names_.end();
    if (offered && chosenText == languageName(LanguageIndex::English, current_))
        chosen = LanguageIndex::English;
    else if (offered && chosenText == languageName(LanguageIndex::Chinese, current_))
        chosen = LanguageIndex::Chinese;
    return {chosen, true};
}

LanguageDialogResult LanguageDialogModel::cancel() const { return {current_, false}; }

}  // namespace mv52
