#include "app/port_settings.h"

#include <algorithm>
#include <cmath>

#include "app/settings.h"
#include "data/numeric.h"
#include "lang/link_texts.h"
#include "system/profile_file.h"

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

namespace {
constexpr const char* kPortsSectionName = "ports";
constexpr const char* kLastTransferKey = "LastTransferPort";
}  // namespace

std::string portLine(const PortEntry& e, bool configured, LanguageIndex language) {
    std::string line = comPortName(e.comPort);
    if (configured) line += " " + text(LinkText::PortConfigured, language);
    line += "  " + e.devicePath;
    std::vector<std::string> more;
    if (!e.manufacturer.empty() && e.manufacturer != e.description) more.push_back(e.manufacturer);
    if (isUsbAdapter(e)) more.push_back("USB " + usbIdText(e));
    if (!e.serialNumber.empty()) more.push_back(text(LinkText::PortSerialShort, language) + " " + e.serialNumber);
    if (!e.description.empty() || !more.empty()) line += "  " + e.description;
    if (!more.empty()) {
        std::string joined;
        for (const std::string& m : more) joined += (joined.empty() ? "" : ", ") + m;
        line += (e.description.empty() ? "(" : " (") + joined + ")";
    }
    return line;
}

std::string portDetails(const PortEntry& e, LanguageIndex language) {
    std::string s;
    const auto add = [&](LinkText label, const std::string& value) {
        if (value.empty()) return;
        if (!s.empty()) s += "\n";
        s += text(label, language) + " " + value;
    };
    add(LinkText::PortDevice, e.devicePath);
    add(LinkText::PortDescription, e.description);
    add(LinkText::PortManufacturer, e.manufacturer);
    add(LinkText::PortUsbId, usbIdText(e));
    add(LinkText::PortSerialNumber, e.serialNumber);
    return s;
}

std::vector<std::uint16_t> probeCandidates(const std::vector<PortEntry>& entries, bool all) {
    std::vector<std::uint16_t> ports;
    for (const PortEntry& e : entries)
        if (all || isUsbAdapter(e)) ports.push_back(e.comPort);
    return ports;
}

std::optional<PortEntry> PlugWatch::update(std::vector<PortEntry> now) {
    std::optional<PortEntry> appeared;
    for (const PortEntry& e : now) {
        const bool before = std::any_of(last_.begin(), last_.end(), [&](const PortEntry& o) {
            return o.comPort == e.comPort && o.devicePath == e.devicePath;
        });
        if (!before) {
            appeared = e;
            break;
        }
    }
    last_ = std::move(now);
    return appeared;
}

std::string rememberedTransferPort(const ProfileFile& profiles, const std::string& settingsPath) {
    return profiles.read(settingsPath, kPortsSectionName, kLastTransferKey, "");
}

void rememberTransferPort(ProfileFile& profiles, const std::string& settingsPath, const std::string& identity) {
    if (identity.empty() || rememberedTransferPort(profiles, settingsPath) == identity) return;
    profiles.write(settingsPath, kPortsSectionName, kLastTransferKey, identity);
}

void PortSettings::load(std::uint16_t comPort, const std::string& remembered) {
    list(comPortName(comPort));
    if (remembered.empty()) return;
    const bool configuredPresent =
        std::find(names_.begin(), names_.end(), comPortName(comPort)) != names_.end();
    if (configuredPresent) return;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (portIdentity(entries_[i]) == remembered) {
            pick(static_cast<int>(i));
            return;
        }
}

void PortSettings::refresh() { list(comPortName(portId_)); }

void PortSettings::pick(int index) {
    const bool inList = index >= 0 && static_cast<std::size_t>(index) < entries_.size();
    selected_ = inList ? index : -1;
    portId_ = inList ? entries_[static_cast<std::size_t>(index)].comPort : std::uint16_t{0};
}

void PortSettings::selectPort(std::uint16_t comPort) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].comPort == comPort) {
            pick(static_cast<int>(i));
            return;
        }
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
