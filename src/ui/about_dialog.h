#pragma once
// The about windows: FrmAbout2 (English) and frmAbout (Chinese), plain modal information
// windows with the program's name, its version and a close button.

#include <QDialog>

#include "lang/language.h"

namespace mv52 {

class AboutDialog final : public QDialog {
public:
    AboutDialog(LanguageIndex language, QWidget* parent = nullptr);
};

// Shows the window for `language` modally.
void showAboutDialog(QWidget* parent, LanguageIndex language);

}  // namespace mv52
