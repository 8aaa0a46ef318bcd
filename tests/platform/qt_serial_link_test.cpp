// The Qt serial adapter on a pseudo-terminal: the receive threshold and the moment a frame
// leaves.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/frames.h"
#include "platform/qt_serial_link.h"

namespace mv52 {
namespace {

class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) slave_ = ::ptsname(master_);
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& slave() const { return slave_; }
    void send(const LinkBytes& bytes) const { ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }
    // What arrives on the radio's side within `ms`, without running any event loop.
    LinkBytes received(int ms) const {
        LinkBytes bytes;
        pollfd fd{master_, POLLIN, 0};
        while (::poll(&fd, 1, ms) > 0) {
            std::uint8_t buf[64];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) break;
            bytes.insert(bytes.end(), buf, buf + n);
            ms = 50;
        }
        return bytes;
    }

private:
    int master_ = -1;
    std::string slave_;
};

void runEvents(int ms, const std::function<bool()>& done = {}) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && !(done && done())) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(QtSerialLink, WaitingBytesAreDeliveredOnceTheThresholdAllowsAndFramesLeaveAtOnce) {
    int argc = 1;
    char name[] = "qt_serial_link_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    PseudoTerminal pty;
    ASSERT_FALSE(pty.slave().empty());

    QtSerialLink link([&](std::uint16_t) { return std::optional<std::string>(pty.slave()); });
    std::vector<LinkBytes> delivered;
    link.setHandlers([&](const LinkBytes& bytes) { delivered.push_back(bytes); }, {});
    ASSERT_TRUE(link.open(7).ok);

    // A frame is handed to the line by write() itself, not by a later turn of the event loop.
    link.write(readRequest(0x4000).bytes);
    EXPECT_EQ(pty.received(1000), readRequest(0x4000).bytes);

    // Three bytes of a 22-byte reply: nothing is delivered.
    link.setReceiveThreshold(22);
    pty.send({'L', 'B', kAck});
    runEvents(300);
    EXPECT_TRUE(delivered.empty());

    // A threshold the waiting bytes reach delivers them, from the event loop, never inside the call.
    link.setReceiveThreshold(3);
    EXPECT_TRUE(delivered.empty());
    runEvents(2000, [&] { return !delivered.empty(); });
    EXPECT_EQ(delivered, (std::vector<LinkBytes>{{'L', 'B', kAck}}));

    // And bytes that arrive later reach their threshold as usual.
    link.setReceiveThreshold(1);
    pty.send({kAck});
    runEvents(2000, [&] { return delivered.size() == 2; });
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[1], LinkBytes{kAck});
    link.close();
}

}  // namespace
}  // namespace mv52
