#pragma once
// File dialogs, seen from the core: the open and save dialogs with the data-file filter.

#include <optional>
#include <string>

namespace mv52 {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nullopt when the user cancels. `filter` is "Data File (*.dat)|*.dat"
    // in the current language.
    virtual std::optional<std::string> chooseOpen(const std::string& filter) = 0;
    virtual std::optional<std::string> chooseSave(const std::string& filter, const std::string& presetName) = 0;
};

}  // namespace mv52
