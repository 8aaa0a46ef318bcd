#pragma once
// LanguageDialog: the modal language dialog over LanguageDialogModel.

#include <QDialog>
#include <optional>

#include "lang/language_choice.h"

class QComboBox;

namespace mv52 {

struct AppState;
class ProfileFile;

class LanguageDialog final : public QDialog {
public:
    LanguageDialog(LanguageIndex current, LanguageIndex system, QWidget* parent = nullptr);

    // Set when the dialog was confirmed (Command1).
    const std::optional<LanguageDialogResult>& result() const { return result_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LanguageDialogModel model_;
    QComboBox* combo_ = nullptr;
    std::optional<LanguageDialogResult> result_;
};

// Shows the dialog modally. On OK the chosen language becomes the current one and
// "CurrentLanguage" is written to the settings file; true when the language changed.
bool runLanguageDialog(QWidget* parent, AppState& app, ProfileFile& profiles);

}  // namespace mv52
