#pragma once
// The open and save dialogs on screen.

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "system/file_chooser.h"

class QFileDialog;

namespace mv52 {

// "Data File (*.dat)|*.dat" (description and pattern, pairs separated by "|") as Qt writes
// it: "Data File (*.dat)"; a description without its pattern gets it appended.
QString qtFileFilter(const std::string& filter);

class ProfileFile;

class QtFileChooser final : public FileChooser {
public:
    // `owner` gives the window the dialogs belong to (may give nullptr). With a settings file,
    // each kind of dialog opens in the folder it last used, else in the user's documents.
    explicit QtFileChooser(std::function<QWidget*()> owner = {}, ProfileFile* profiles = nullptr,
                           std::string settingsPath = {});

    std::optional<std::string> chooseOpen(const std::string& filter) override;
    std::optional<std::string> chooseSave(const std::string& filter, const std::string& presetName) override;

private:
    QString startFolder(const std::string& filter) const;
    std::optional<std::string> run(QFileDialog& dialog, const std::string& filter);

    std::function<QWidget*()> owner_;
    ProfileFile* profiles_;
    std::string settingsPath_;
};

}  // namespace mv52
