#pragma once
// A port list whose ports the test sets between refreshes.

#include <cstdint>
#include <string>
#include <vector>

#include "system/port_list.h"

namespace mv52::test {

class FakePortList : public PortList {
public:
    std::vector<PortEntry> current;
    int enumerations = 0;

    std::vector<PortEntry> ports() override {
        ++enumerations;
        return current;
    }
    // Ports named by COM number only, in the given order.
    void set(const std::vector<std::uint16_t>& numbers) {
        current.clear();
        for (std::uint16_t n : numbers)
            current.push_back({n, "/dev/fake" + std::to_string(n), "Adapter " + std::to_string(n)});
    }
};

}  // namespace mv52::test
