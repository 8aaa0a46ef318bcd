#pragma once
// The system's serial ports under their COM numbers: what QSerialPortInfo reports, numbered
// as port_names.h says, and outside Windows also the devices named in section "ports" that the
// system does not report (pseudo-terminals such as the simulated radio's).

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "system/port_list.h"

namespace mv52 {

class ProfileFile;

// A port as the system reports it.
struct SystemPort {
    SystemPort() = default;
    SystemPort(std::string name, std::string describedAs = {}) : device(std::move(name)), description(std::move(describedAs)) {}

    std::string device;       // the port name ("COM3") on Windows, the device file elsewhere
    std::string description;  // the adapter's description, else its manufacturer
    std::string manufacturer;
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
    std::string serialNumber;
};

// The list entries, in this order:
// - each reported port whose COM number leads back to it; a port without a number, or one
//   whose number section "ports" gives to another device, is left out, because opening
//   that COM number would not reach it;
// - outside Windows, the devices of section "ports" (by COM number) that exist as character
//   devices and were not reported. One that resolves to a reported port (a
//   /dev/serial/by-id link) shows that port's details;
// and among them, ports that are never a cable (isPseudoPort) last.
std::vector<PortEntry> portEntries(const std::vector<SystemPort>& reported, const ProfileFile& profiles,
                                   const std::string& settingsPath);

class QtPortList final : public PortList {
public:
    QtPortList(const ProfileFile& profiles, std::string settingsPath);

    std::vector<PortEntry> ports() override;

    // What QSerialPortInfo reports now, in its order.
    static std::vector<SystemPort> systemPorts();

private:
    const ProfileFile& profiles_;
    std::string settingsPath_;
};

}  // namespace mv52
