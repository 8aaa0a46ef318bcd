#include "app/port_settings.h"

#include <cmath>

#include "app/settings.h"
#include "data/numeric.h"

namespace mv52 {
namespace {

// The number of a "COM..." text: what follows its first three characters, when numeric and
// within the 16 bits of `comPort` (a fraction rounds as the settings' numbers do).
std::optional<std::uint16_t> portNumberOf(std::string_view name) {
    const std::string_view rest = name.size() > 3 ? name.substr(3) : std::string_view{};
    if (!isNumeric(rest)) return std::nullopt;
    const auto value = parseNumber(rest);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= 0 && rounded <= 65535)) return std::nullopt;
    return static_cast<std::uint16_t>(rounded);
}

}  // namespace

std::string comPortName(std::uint16_t comPort) { return "COM" + std::to_string(comPort); }

int restoreSelection(const std::vector<std::string>& names, std::string_view wanted) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted) return static_cast<int>(i);
    return names.empty() ? -1 : 0;
}

void applyPortChoice(std::optional<std::string_view> selectedName, std::uint16_t& comPort,
                     ProfileFile& profiles, const std::string& settingsPath) {
    if (!selectedName) {
        comPort = 0;  // no port: the next link operation reports that it cannot open one
        return;
    }
    const auto number = portNumberOf(*selectedName);
    if (!number) return;
    comPort = *number;
    storeComPort(profiles, settingsPath, comPort);
}

void PortSettings::load(std::uint16_t comPort) { list(comPortName(comPort)); }

void PortSettings::refresh() { list(comPortName(portId_)); }

void PortSettings::pick(int index) {
    const bool inList = index >= 0 && static_cast<std::size_t>(index) < entries_.size();
    selected_ = inList ? index : -1;
    portId_ = inList ? entries_[static_cast<std::size_t>(index)].comPort : std::uint16_t{0};
}

void PortSettings::confirm(std::uint16_t& comPort, ProfileFile& profiles, const std::string& settingsPath) const {
    std::optional<std::string_view> name;
    if (selected_ >= 0) name = names_[static_cast<std::size_t>(selected_)];
    applyPortChoice(name, comPort, profiles, settingsPath);
}

void PortSettings::list(const std::string& wanted) {
    entries_ = ports_.ports();
    names_.clear();
    for (const PortEntry& e : entries_) names_.push_back(comPortName(e.comPort));
    pick(restoreSelection(names_, wanted));
}

}  // namespace mv52
