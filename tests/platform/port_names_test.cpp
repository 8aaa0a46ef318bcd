#include <gtest/gtest.h>

#include "platform/port_names.h"
#include "support/fakes.h"

namespace mv52 {
namespace {

constexpr const char* kPath = "/inst/language/mysetup.ini";

#ifndef _WIN32
TEST(PortNames, ConventionAndListedDevices) {
    test::MemoryProfiles profiles;
    profiles.files[kPath] = "[language]\ncomPort=1\n[ports]\nCOM99=/dev/pts/4\nCOM3=/dev/serial/by-id/usb-x\n";
    struct Case {
        std::uint16_t com;
        const char* device;
    };
    for (const Case& c : {Case{1, "/dev/ttyS0"}, Case{32, "/dev/ttyS31"}, Case{33, "/dev/ttyUSB0"},
                          Case{64, "/dev/ttyUSB31"}, Case{65, "/dev/ttyACM0"}, Case{96, "/dev/ttyACM31"},
                          Case{99, "/dev/pts/4"}, Case{3, "/dev/serial/by-id/usb-x"}}) {
        EXPECT_EQ(devicePathForComPort(c.com, profiles, kPath), c.device) << c.com;
        EXPECT_EQ(comPortForDevice(c.device, profiles, kPath), c.com) << c.device;
    }
    EXPECT_EQ(devicePathForComPort(97, profiles, kPath), std::nullopt);
    EXPECT_EQ(comPortForDevice("/dev/pts/7", profiles, kPath), std::nullopt);
    EXPECT_EQ(comPortForDevice("/dev/ttyUSB32", profiles, kPath), std::nullopt);
    EXPECT_EQ(comPortForDevice("/dev/ttyS2x", profiles, kPath), std::nullopt);
}
#endif

TEST(PortNames, ComNames) {
    EXPECT_EQ(parseComName("COM7"), 7);
    EXPECT_EQ(parseComName("COM65535"), 65535);
    for (const char* no : {"COM", "COM0", "com7", "COM7a", "/dev/ttyS0", "COM70000"})
        EXPECT_EQ(parseComName(no), std::nullopt) << no;
}

}  // namespace
}  // namespace mv52
