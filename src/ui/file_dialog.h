#pragma once
// The open and save dialogs on screen.

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "system/file_chooser.h"

namespace mv52 {

// "Data File (*.dat)|*.dat" (description and pattern, pairs separated by "|") as Qt writes
// it: "Data File (*.dat)"; a description without its pattern gets it appended.
QString qtFileFilter(const std::string& filter);

class QtFileChooser final : public FileChooser {
public:
    // `owner` gives the window the dialogs belong to (may give nullptr).
    explicit QtFileChooser(std::function<QWidget*()> owner = {});

    std::optional<std::string> chooseOpen(const std::string& filter) override;
    std::optional<std::string> chooseSave(const std::string& filter, const std::string& presetName) override;

private:
    std::function<QWidget*()> owner_;
};

}  // namespace mv52
