#include "pty.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace mv52::sim {

Pty::~Pty() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

bool Pty::open(std::string& error) {
    const auto failed = [&](const char* step) {
        error = std::string(step) + ": " + std::strerror(errno);
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return failed("posix_openpt");
    if (::grantpt(master_) != 0) return failed("grantpt");
    if (::unlockpt(master_) != 0) return failed("unlockpt");
    const char* name = ::ptsname(master_);
    if (name == nullptr) return failed("ptsname");
    path_ = name;

    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) return failed("fcntl");
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);

    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) return failed(path_.c_str());
    // A serial line carries bytes, not text: no echo, no line editing, no CR/LF mapping.
    // The settings belong to the terminal, so they also hold for the program's descriptor.
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0) return failed("tcgetattr");
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(slave_, TCSANOW, &tio) != 0) return failed("tcsetattr");
    return true;
}

long Pty::read(std::span<std::uint8_t> buffer) const { return ::read(master_, buffer.data(), buffer.size()); }

long Pty::write(std::span<const std::uint8_t> bytes) const { return ::write(master_, bytes.data(), bytes.size()); }

}  // namespace mv52::sim
