#pragma once
// The main window's placement in the per-user settings store (application "MV52", section
// "Settings"), in twips.

#include <string>

namespace mv52 {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string read(const std::string& section, const std::string& key, const std::string& fallback) const = 0;
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

struct WindowPlacement {
    double left = 100;
    double top = 100;
    double width = 14500;
    double height = 10500;
    bool operator==(const WindowPlacement&) const = default;
};

// A missing or non-numeric value gives its default.
WindowPlacement loadWindowPlacement(const SettingsStore& store);
// A minimised window leaves the stored values as they are.
void saveWindowPlacement(SettingsStore& store, const WindowPlacement& placement, bool minimized);

}  // namespace mv52
