#pragma once
// The serial ports the system has now, seen from the core.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace mv52 {

struct PortEntry {
    PortEntry() = default;
    PortEntry(std::uint16_t number, std::string device, std::string describedAs = {}, std::string madeBy = {},
              std::optional<std::uint16_t> vendor = {}, std::optional<std::uint16_t> product = {},
              std::string serial = {})
        : comPort(number),
          devicePath(std::move(device)),
          description(std::move(describedAs)),
          manufacturer(std::move(madeBy)),
          vendorId(vendor),
          productId(product),
          serialNumber(std::move(serial)) {}

    std::uint16_t comPort = 0;  // the COM number the port goes by
    std::string devicePath;
    std::string description;   // the adapter's description, else its manufacturer
    std::string manufacturer;
    std::optional<std::uint16_t> vendorId;   // USB adapters
    std::optional<std::uint16_t> productId;
    std::string serialNumber;
    bool operator==(const PortEntry&) const = default;
};

class PortList {
public:
    virtual ~PortList() = default;
    // In the system's enumeration order, ports that are never a cable last.
    virtual std::vector<PortEntry> ports() = 0;
};

// Ports of the system that are never a programming cable: Bluetooth serial ports and debug
// consoles.
bool isPseudoPort(const PortEntry& entry);

// A USB serial adapter: the system reports its vendor and product.
inline bool isUsbAdapter(const PortEntry& entry) { return entry.vendorId.has_value(); }

// "0403:6001", empty for a port that is no USB adapter.
std::string usbIdText(const PortEntry& entry);

// What tells this adapter from others when its COM number changes (another USB socket): the
// USB vendor, product and serial number, else the device.
std::string portIdentity(const PortEntry& entry);

}  // namespace mv52
