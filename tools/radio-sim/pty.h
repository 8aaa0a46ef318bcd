#pragma once
// The pseudo-terminal the program opens as its serial port.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace mv52::sim {

class Pty {
public:
    Pty() = default;
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // Opens the master (non-blocking) and holds one slave descriptor of its own, in raw mode.
    // Holding the slave keeps the master usable while no program has the port open: without
    // it the master reports EIO from the first close on. On failure returns false and a reason.
    bool open(std::string& error);

    int masterFd() const { return master_; }
    const std::string& devicePath() const { return path_; }

    // As read(2) and write(2) on the master.
    long read(std::span<std::uint8_t> buffer) const;
    long write(std::span<const std::uint8_t> bytes) const;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

}  // namespace mv52::sim
