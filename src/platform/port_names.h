#pragma once
// COM numbers for serial devices, so that `comPort` stays a 16-bit number on every system.
// On Windows a port is its COM name. Elsewhere /dev/ttyS0-31 are COM1-32, /dev/ttyUSB0-31
// COM33-64 and /dev/ttyACM0-31 COM65-96; any other device (a pseudo-terminal, a
// /dev/serial/by-id name) gets its number from section "ports" of mysetup.ini
// ("COM99=/dev/pts/4"), which also overrides the convention.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mv52 {

class ProfileFile;

inline constexpr const char* kPortsSection = "ports";

// The device of COM n, or nullopt when none is known.
std::optional<std::string> devicePathForComPort(std::uint16_t comPort, const ProfileFile& profiles,
                                                const std::string& settingsPath);

// The COM number of a device: an entry of section "ports" first, then the convention.
std::optional<std::uint16_t> comPortForDevice(std::string_view devicePath, const ProfileFile& profiles,
                                              const std::string& settingsPath);

// "COM7" gives 7; anything else nullopt.
std::optional<std::uint16_t> parseComName(std::string_view text);

}  // namespace mv52
