#pragma once
// The per-user settings store: QSettings, organisation and application "MV52".

#include "app/window_placement.h"

namespace mv52 {

class QtSettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& section, const std::string& key, const std::string& fallback) const override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;
};

}  // namespace mv52
