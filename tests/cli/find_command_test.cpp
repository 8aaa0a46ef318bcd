// mv52ctl ports and find, in process, over an installation in a temporary folder whose
// settings file maps pseudo-terminals to COM numbers: one silent, one that answers garbage,
// and the simulated radio.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cli/cli.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

// The master side of a pseudo-terminal; `garbage` answers whatever arrives with a modem's
// chatter, otherwise nothing ever answers.
class FakeLine {
public:
    explicit FakeLine(bool garbage) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        path_ = ::ptsname(master_);
        thread_ = std::thread([this, garbage] {
            char buffer[256];
            while (!stop_) {
                pollfd p{master_, POLLIN, 0};
                // Until the other side opens, the master reports a hang-up at once: wait a little.
                if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    continue;
                }
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n > 0) {
                    received_ += static_cast<int>(n);
                    if (garbage) (void)!::write(master_, "\r\nOK\r\nAT", 8);
                }
            }
        });
    }
    ~FakeLine() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (master_ >= 0) ::close(master_);
    }
    const std::string& path() const { return path_; }
    int received() const { return received_; }

private:
    int master_ = -1;
    std::string path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> received_{0};
};

class FindCommandTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::ostringstream out, err;
    cli::Context ctx{dir.file("ZU_418"), out, err, LanguageIndex::English, {}};

    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "mv52_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) static QCoreApplication app(argc, argv);
    }

    void install(const std::string& ports) {
        fs::create_directories(dir.file("ZU_418"));
        fs::create_directories(dir.file("language"));
        std::ofstream(dir.file("Version.ini"))
            << "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\n";
        std::ofstream(dir.file("language/mysetup.ini"))
            << "[language]\r\nIsFirstRun=0\r\ncomPort=98\r\nCurrentLanguage=1\r\n[ports]\r\n" << ports;
        cli::loadInstallation(ctx);
    }
    int run(std::initializer_list<std::string> args) {
        out.str("");
        err.str("");
        return cli::runCommandLine(cli::Args(args), ctx);
    }
    std::string fileText(const std::string& path) {
        std::ifstream in(path);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(FindCommandTest, FindsTheRadioAmongASilentPortAndOneThatAnswersGarbage) {
    FakeLine silent(false), garbage(true);
    test::SimProcess sim({"--verbose"}, dir.file("sim.txt"));
    ASSERT_FALSE(sim.path().empty());
    install("COM97=" + silent.path() + "\r\nCOM98=" + garbage.path() + "\r\nCOM99=" + sim.path() + "\r\n");

    // The machine's own ports, if any, come first: the mapped ones end the list.
    ASSERT_EQ(run({"ports"}), 0) << err.str();
    EXPECT_TRUE(out.str().ends_with("COM97  " + silent.path() + "\nCOM98 (configured)  " + garbage.path() +
                                    "\nCOM99  " + sim.path() + "\n"))
        << out.str();

    // Without --all only USB adapters are asked; pseudo-terminals are none.
    run({"find"});
    EXPECT_EQ(silent.received(), 0);
    EXPECT_EQ(out.str().find("The radio is on COM99"), std::string::npos);

    ASSERT_EQ(run({"find", "--all"}), 0) << err.str();
    EXPECT_EQ(out.str(), "The radio is on COM99 (" + sim.path() + ").\n");
    EXPECT_TRUE(err.str().ends_with("COM97 (" + silent.path() + "): no reply\nCOM98 (" + garbage.path() +
                                    "): answered with bytes that are not the radio's: D A 4F 4B D A 41 54\nCOM99 (" +
                                    sim.path() + "): the radio answers: MV52 LB2424P, firmware V200\n"))
        << err.str();
    EXPECT_GT(silent.received(), 0);
    EXPECT_EQ(sim.stop(), 0);
    // The radio saw the handshake, the identification request and the end request, nothing else.
    std::istringstream frames(fileText(dir.file("sim.txt")));
    std::vector<std::string> kinds;
    for (std::string line; std::getline(frames, line);)
        if (const auto at = line.find("<- "); at != std::string::npos)
            kinds.push_back(line.substr(at + 3, line.find(' ', at + 3) - at - 3));
    EXPECT_EQ(kinds, (std::vector<std::string>{"handshake", "identification", "end"}));
    // Every probe's frames are in the daily log, as any session's.
    std::string log;
    for (const auto& e : fs::directory_iterator(dir.file("ZU_418")))
        if (e.path().filename().string().starts_with("log")) log += fileText(e.path().string());
    EXPECT_NE(log.find("发送数据: 50 52 4F 47 52 41 4D"), std::string::npos) << log;
    EXPECT_NE(log.find("发送数据: 45 4E 44"), std::string::npos) << log;
}

TEST_F(FindCommandTest, WithoutARadioEveryPortsOutcomeIsListed) {
    FakeLine silent(false), garbage(true);
    install("COM97=" + silent.path() + "\r\nCOM98=" + garbage.path() + "\r\nCOM96=/dev/null\r\n");
    EXPECT_EQ(run({"find", "--all"}), 1);
    const std::string listed = err.str().substr(err.str().find("No port answered as the radio. Tried:\n"));
    EXPECT_NE(listed.find("  COM97 (" + silent.path() + "): no reply\n"), std::string::npos) << listed;
    EXPECT_NE(listed.find("  COM98 (" + garbage.path() + "): answered with bytes that are not the radio's"),
              std::string::npos)
        << listed;
    // /dev/null is a character device but no terminal: it does not open as a serial port.
    EXPECT_NE(listed.find("  COM96 (/dev/null): did not open: "), std::string::npos) << listed;
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace mv52
