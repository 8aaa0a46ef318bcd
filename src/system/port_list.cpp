#include "system/port_list.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace mv52 {
namespace {

bool containsNoCase(std::string_view text, std::string_view part) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (part.size() > text.size()) return false;
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < part.size() && same; ++k) same = lower(text[i + k]) == lower(part[k]);
        if (same) return true;
    }
    return false;
}

std::string hex4(std::uint16_t v) {
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04x", v);
    return buffer.data();
}

}  // namespace

bool isPseudoPort(const PortEntry& e) {
    // Linux rfcomm, macOS Bluetooth and debug consoles, Windows' Bluetooth links.
    constexpr std::string_view kMarks[] = {"rfcomm", "bluetooth", "debug-console", "ttyGS"};
    for (std::string_view mark : kMarks)
        if (containsNoCase(e.devicePath, mark) || containsNoCase(e.description, mark)) return true;
    return false;
}

std::string usbIdText(const PortEntry& e) {
    if (!e.vendorId || !e.productId) return {};
    return hex4(*e.vendorId) + ":" + hex4(*e.productId);
}

std::string portIdentity(const PortEntry& e) {
    if (isUsbAdapter(e)) return "usb:" + usbIdText(e) + ":" + e.serialNumber;
    return "device:" + e.devicePath;
}

}  // namespace mv52
