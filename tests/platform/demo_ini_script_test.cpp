// The demo start of scripts/run.sh enters the simulated radio's pseudo-terminal in
// mysetup.ini with scripts/ini.sh; the program must then find it as the chosen COM port.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

#include "system/profile_file.h"
#include "platform/ini_profile_file.h"
#include "platform/port_names.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

#ifndef _WIN32
const std::filesystem::path kIniScript =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "scripts" / "ini.sh";

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs ini_enter_pty on the file and returns what it printed, trimmed.
std::string enterPty(const std::string& file, const std::string& pty) {
    const std::string command = "bash -c 'source \"$0\" && ini_enter_pty \"$1\" \"$2\"' '" + kIniScript.string() +
                                "' '" + file + "' '" + pty + "'";
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        ::pclose(p);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

// A pseudo-terminal that exists for the test's duration, so that its entry is not stale.
class LivePty {
public:
    LivePty() : fd_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (fd_ >= 0 && ::grantpt(fd_) == 0 && ::unlockpt(fd_) == 0)
            if (const char* name = ::ptsname(fd_)) path_ = name;
    }
    ~LivePty() {
        if (fd_ >= 0) ::close(fd_);
    }
    LivePty(const LivePty&) = delete;
    LivePty& operator=(const LivePty&) = delete;
    const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

TEST(PortDemoScript, EntersThePtyUnderAFreeNumberAndKeepsTheRest) {
    ASSERT_TRUE(std::filesystem::exists(kIniScript)) << kIniScript;
    const LivePty live;
    ASSERT_FALSE(live.path().empty());
    const std::string gone = "/dev/pts/987654";
    const std::string pty = "/dev/pts/987653";  // the new radio's device; only its text matters here

    struct Case {
        const char* what;
        std::string before;
        std::string port;
        std::string after;
    };
    const Case cases[] = {
        {"the installed file, without section ports",
         "[language]\nIsFirstRun=1\ncomPort=1\nHandshaking=0\nStopBit=0\nCurrentLanguage=1\n", "99",
         "[language]\nIsFirstRun=1\ncomPort=99\nHandshaking=0\nStopBit=0\nCurrentLanguage=1\n[ports]\nCOM99=" + pty + "\n"},
        {"CR LF line endings stay",
         "[language]\r\ncomPort=3\r\nCurrentLanguage=2\r\n\r\n[Other]\r\nx=1\r\n", "99",
         "[language]\r\ncomPort=99\r\nCurrentLanguage=2\r\n\r\n[Other]\r\nx=1\r\n[ports]\r\nCOM99=" + pty + "\r\n"},
        {"numbers in use are skipped",
         "[language]\ncomPort=1\n\n[ports]\nCOM99=" + live.path() + "\nCOM98=/dev/ttyS0\n\n; end\n", "97",
         "[language]\ncomPort=97\n\n[ports]\nCOM99=" + live.path() + "\nCOM98=/dev/ttyS0\n\n; end\nCOM97=" + pty + "\n"},
        {"a stale pseudo-terminal entry is reused",
         "[language]\ncomPort=1\n[PORTS]\ncom99=" + live.path() + "\ncom98 = " + gone + "\n", "98",
         "[language]\ncomPort=98\n[PORTS]\ncom99=" + live.path() + "\nCOM98=" + pty + "\n"},
        {"an entry that already names the device is kept",
         "[ports]\nCOM12=" + pty + "\nCOM99=" + gone + "\n[Language]\nComPort=4\n", "12",
         "[ports]\nCOM12=" + pty + "\nCOM99=" + gone + "\n[Language]\ncomPort=12\n"},
        {"an empty entry names no device", "[language]\ncomPort=1\n[ports]\nCOM99=\n", "99",
         "[language]\ncomPort=99\n[ports]\nCOM99=" + pty + "\n"},
        {"no file at all", "", "99", "[ports]\nCOM99=" + pty + "\n[language]\ncomPort=99\n"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string file = dir.file("mysetup.ini");
        if (!c.before.empty()) std::ofstream(file, std::ios::binary) << c.before;

        EXPECT_EQ(enterPty(file, pty), c.port) << c.what;
        EXPECT_EQ(readText(file), c.after) << c.what;

        // As the program would have written it, and what the program reads from it.
        EXPECT_EQ(c.after, profileUpdate(profileUpdate(c.before, "ports", "COM" + c.port, pty), "language", "comPort", c.port))
            << c.what;
        IniProfileFile profiles;
        EXPECT_EQ(profiles.read(file, "language", "comPort", ""), c.port) << c.what;
        EXPECT_EQ(devicePathForComPort(static_cast<std::uint16_t>(std::stoi(c.port)), profiles, file), pty) << c.what;
        EXPECT_EQ(comPortForDevice(pty, profiles, file), std::stoi(c.port)) << c.what;
    }
}
#endif

}  // namespace
}  // namespace mv52
