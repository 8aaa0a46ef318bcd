#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/ini_profile_file.h"
#include "platform/port_names.h"
#include "platform/qt_port_list.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

#ifndef _WIN32
// /dev/null, /dev/zero and /dev/full stand in for devices that exist but are not reported,
// as the simulated radio's pseudo-terminal is.
TEST(PortListing, ReportedPortsByNumberThenListedDevices) {
    test::TempDir dir;
    const std::string link = dir.file("by-id-cable");
    std::filesystem::create_symlink("/dev/null", link);
    const std::string plain = dir.file("plain");
    std::ofstream(plain) << "not a device";

    const std::string path = dir.file("mysetup.ini");
    test::MemoryProfiles profiles;
    profiles.files[path] = "[language]\ncomPort=1\n[ports]\n"
                           "COM40=/dev/ttyS0\n"     // moves ttyS0 from COM1
                           "COM2=/dev/full\n"       // COM2 no longer reaches ttyS1
                           "COM95=" + plain + "\n"  // a file, not a device
                           "COM96=" + dir.file("gone") + "\n"
                           "COM97=" + link + "\n"
                           "COM98=/dev/zero\n";
    const std::vector<SystemPort> reported = {
        {"/dev/ttyS0", "16550A"},        {"/dev/ttyS1", ""},
        {"/dev/ttyUSB0", "FT232R UART"}, {"/dev/weird0", "no number"},
        {"/dev/ttyACM0", "Radio cable"}, {"/dev/null", "Null adapter"},
    };
    const std::vector<PortEntry> expected = {
        {40, "/dev/ttyS0", "16550A"}, {33, "/dev/ttyUSB0", "FT232R UART"}, {65, "/dev/ttyACM0", "Radio cable"},
        {2, "/dev/full", ""},         {97, link, "Null adapter"},          {98, "/dev/zero", ""},
    };
    EXPECT_EQ(portEntries(reported, profiles, path), expected);
}

TEST(PortListing, WithoutSectionPortsOnlyTheConvention) {
    test::MemoryProfiles profiles;
    const std::string path = "/inst/language/mysetup.ini";
    profiles.files[path] = "[language]\ncomPort=1\n";
    const std::vector<SystemPort> reported = {
        {"/dev/ttyUSB1", "CP2102"}, {"/dev/ttyS3", ""}, {"/dev/pts/4", ""}, {"/dev/ttyUSB32", ""}};
    const std::vector<PortEntry> expected = {{34, "/dev/ttyUSB1", "CP2102"}, {4, "/dev/ttyS3", ""}};
    EXPECT_EQ(portEntries(reported, profiles, path), expected);
    EXPECT_EQ(portEntries({}, profiles, path), std::vector<PortEntry>{});
}

// The real enumeration: whatever this machine has, each entry is the device its number opens,
// and a device named in the settings file is listed.
TEST(PortListing, SystemListIncludesListedDevices) {
    test::TempDir dir;
    const std::string path = dir.file("mysetup.ini");
    std::ofstream(path) << "[language]\r\ncomPort=1\r\n[ports]\r\nCOM99=/dev/zero\r\n";
    IniProfileFile profiles;
    QtPortList list(profiles, path);
    const std::vector<PortEntry> ports = list.ports();
    for (const PortEntry& e : ports)
        EXPECT_EQ(devicePathForComPort(e.comPort, profiles, path), e.devicePath) << e.comPort;
    EXPECT_NE(std::find(ports.begin(), ports.end(), PortEntry{99, "/dev/zero", ""}), ports.end());
}
#endif

}  // namespace
}  // namespace mv52
