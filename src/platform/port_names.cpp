#include "platform/port_names.h"

#include <charconv>

#include "system/profile_file.h"

namespace mv52 {
namespace {

struct Family {
    std::string_view prefix;
    int firstCom;
};
constexpr Family kFamilies[] = {{"/dev/ttyS", 1}, {"/dev/ttyUSB", 33}, {"/dev/ttyACM", 65}};
constexpr int kPerFamily = 32;
// Section "ports" is searched up to this number; COM numbers above it need the convention.
constexpr int kHighestListedPort = 256;

std::optional<int> trailingNumber(std::string_view text) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || ptr != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::uint16_t> parseComName(std::string_view text) {
    if (text.size() < 4 || text.substr(0, 3) != "COM") return std::nullopt;
    const auto n = trailingNumber(text.substr(3));
    if (!n || *n < 1 || *n > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(*n);
}

std::optional<std::string> devicePathForComPort(std::uint16_t comPort, const ProfileFile& profiles,
                                                const std::string& settingsPath) {
    const std::string listed = profiles.read(settingsPath, kPortsSection, "COM" + std::to_string(comPort), "");
    if (!listed.empty()) return listed;
#ifdef _WIN32
    return "COM" + std::to_string(comPort);
#else
    for (const Family& f : kFamilies)
        if (comPort >= f.firstCom && comPort < f.firstCom + kPerFamily)
            return std::string(f.prefix) + std::to_string(comPort - f.firstCom);
    return std::nullopt;
#endif
}

std::optional<std::uint16_t> comPortForDevice(std::string_view devicePath, const ProfileFile& profiles,
                                              const std::string& settingsPath) {
    for (int n = 1; n <= kHighestListedPort; ++n)
        if (profiles.read(settingsPath, kPortsSection, "COM" + std::to_string(n), "") == devicePath)
            return static_cast<std::uint16_t>(n);
#ifdef _WIN32
    return parseComName(devicePath);
#else
    for (const Family& f : kFamilies)
        if (devicePath.substr(0, f.prefix.size()) == f.prefix)
            if (const auto k = trailingNumber(devicePath.substr(f.prefix.size())); k && *k < kPerFamily)
                return static_cast<std::uint16_t>(f.firstCom + *k);
    return std::nullopt;
#endif
}

}  // namespace mv52
