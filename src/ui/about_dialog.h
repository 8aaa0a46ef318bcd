#pragma once
// The about windows: FrmAbout2 (English) and frmAbout (Chinese), plain modal information
// windows with the program's name, its version and a close button; below the version, the
// release number and the settings file and log folder this run uses.

#include <QDialog>
#include <string>

#include "lang/language.h"

namespace mv52 {

// The files this run writes (AppState's settingsPath, logFolder and perUserFiles).
struct AboutFiles {
    std::string settingsFile;
    std::string logFolder;
    bool perUser = false;
};

class AboutDialog final : public QDialog {
public:
    AboutDialog(LanguageIndex language, const AboutFiles& files = {}, QWidget* parent = nullptr);
};

// Shows the window for `language` modally.
void showAboutDialog(QWidget* parent, LanguageIndex language, const AboutFiles& files);

}  // namespace mv52
