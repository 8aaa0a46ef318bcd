#pragma once
// The serial ports the system has now, seen from the core.

#include <cstdint>
#include <string>
#include <vector>

namespace mv52 {

struct PortEntry {
    std::uint16_t comPort = 0;  // the COM number the port goes by
    std::string devicePath;     // for the tooltip
    std::string description;    // the adapter's description, for the tooltip
    bool operator==(const PortEntry&) const = default;
};

class PortList {
public:
    virtual ~PortList() = default;
    // In the system's enumeration order.
    virtual std::vector<PortEntry> ports() = 0;
};

}  // namespace mv52
