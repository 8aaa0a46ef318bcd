#include "platform/qt_port_list.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>
#include <utility>

#include "system/profile_file.h"
#include "platform/port_names.h"

namespace mv52 {
namespace {

// Remembers each read for one listing: mapping a device to its number reads section "ports"
// key by key, and the dialog lists the ports every second.
class ProfileSnapshot final : public ProfileFile {
public:
    explicit ProfileSnapshot(const ProfileFile& inner) : inner_(inner) {}

    std::string read(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback, std::size_t maxChars) const override {
        auto id = std::make_tuple(path, std::string(section), std::string(key), std::string(fallback), maxChars);
        auto it = cache_.find(id);
        if (it == cache_.end())
            it = cache_.emplace(std::move(id), inner_.read(path, section, key, fallback, maxChars)).first;
        return it->second;
    }
    bool write(const std::string&, std::string_view, std::string_view, std::string_view) override { return false; }

private:
    using Key = std::tuple<std::string, std::string, std::string, std::string, std::size_t>;
    const ProfileFile& inner_;
    mutable std::map<Key, std::string> cache_;
};

PortEntry entryOf(std::uint16_t comPort, const SystemPort& p) {
    return {comPort, p.device, p.description, p.manufacturer, p.vendorId, p.productId, p.serialNumber};
}

#ifndef _WIN32
// The highest COM number looked up in section "ports", as comPortForDevice does.
constexpr int kHighestListedPort = 256;

std::string resolved(const std::string& path) {
    std::error_code ec;
    const auto p = std::filesystem::canonical(path, ec);
    return ec ? path : p.string();
}

void addListedDevices(const std::vector<SystemPort>& reported, const ProfileFile& profiles,
                      const std::string& settingsPath, std::vector<PortEntry>& entries) {
    for (int n = 1; n <= kHighestListedPort; ++n) {
        const std::string device = profiles.read(settingsPath, kPortsSection, "COM" + std::to_string(n), "");
        if (device.empty()) continue;
        const auto same = [&](const SystemPort& p) { return p.device == device; };
        if (std::any_of(reported.begin(), reported.end(), same)) continue;
        std::error_code ec;
        if (!std::filesystem::is_character_file(device, ec)) continue;  // stale or not a device
        PortEntry entry{static_cast<std::uint16_t>(n), device};
        const std::string target = resolved(device);
        for (const SystemPort& p : reported)
            if (resolved(p.device) == target) {
                entry = entryOf(static_cast<std::uint16_t>(n), p);
                entry.devicePath = device;
                break;
            }
        entries.push_back(std::move(entry));
    }
}
#endif

}  // namespace

std::vector<PortEntry> portEntries(const std::vector<SystemPort>& reported, const ProfileFile& profiles,
                                   const std::string& settingsPath) {
    const ProfileSnapshot snapshot(profiles);
    std::vector<PortEntry> entries;
    for (const SystemPort& p : reported) {
        const auto number = comPortForDevice(p.device, snapshot, settingsPath);
        if (!number || devicePathForComPort(*number, snapshot, settingsPath) != p.device) continue;
        entries.push_back(entryOf(*number, p));
    }
#ifndef _WIN32
    addListedDevices(reported, snapshot, settingsPath, entries);
#endif
    std::stable_partition(entries.begin(), entries.end(), [](const PortEntry& e) { return !isPseudoPort(e); });
    return entries;
}

QtPortList::QtPortList(const ProfileFile& profiles, std::string settingsPath)
    : profiles_(profiles), settingsPath_(std::move(settingsPath)) {}

std::vector<PortEntry> QtPortList::ports() { return portEntries(systemPorts(), profiles_, settingsPath_); }

std::vector<SystemPort> QtPortList::systemPorts() {
    std::vector<SystemPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef _WIN32
        const QString device = info.portName();
#else
        const QString device = info.systemLocation();
#endif
        const QString description = info.description().isEmpty() ? info.manufacturer() : info.description();
        SystemPort port{device.toStdString(), description.toStdString()};
        port.manufacturer = info.manufacturer().toStdString();
        port.serialNumber = info.serialNumber().toStdString();
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace mv52
