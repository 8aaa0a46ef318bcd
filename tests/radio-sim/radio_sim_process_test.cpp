// The real simulator binary on a real pseudo-terminal, driven as the program drives its port.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "storage/codec.h"
#include "storage/default_document.h"
#include "document/workspace.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::size_t kMemory = 23744;

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes readRequest(unsigned address) {
    return {'R', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 16};
}

Bytes dataFrame(unsigned address, const Bytes& data) {
    // Sized once: growing a vector that starts from a short list makes GCC 12 at -O3 warn
    // falsely about the copy.
    Bytes f(4 + data.size() + 2);
    f[0] = 'W';
    f[1] = static_cast<std::uint8_t>(address >> 8);
    f[2] = static_cast<std::uint8_t>(address & 0xFF);
    f[3] = 16;
    std::copy(data.begin(), data.end(), f.begin() + 4);
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 19; ++i) sum += f[i];
    f[f.size() - 2] = static_cast<std::uint8_t>(sum % 256);
    f[f.size() - 1] = 0x06;
    return f;
}

Bytes readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const Bytes& bytes) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Reads from `fd` until `want` bytes came or `timeout` passed.
Bytes readFor(int fd, std::size_t want, milliseconds timeout) {
    Bytes got;
    const auto deadline = Clock::now() + timeout;
    while (got.size() < want) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        std::uint8_t buf[256];
        const auto n = ::read(fd, buf, sizeof buf);
        if (n > 0) got.insert(got.end(), buf, buf + n);
    }
    return got;
}

// The serial port as the program opens it for one session.
class Port {
public:
    explicit Port(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) return;
        termios tio{};
        ::tcgetattr(fd_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(fd_, TCSANOW, &tio);
        ::tcflush(fd_, TCIOFLUSH);
    }
    ~Port() {
        if (fd_ >= 0) ::close(fd_);
    }
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Sends `frame` and collects the reply of the expected length (or what came in time),
    // plus whatever follows it within 20 ms: a reply must not be longer than expected.
    Bytes exchange(const Bytes& frame, std::size_t replyLength, milliseconds timeout = milliseconds(3000)) {
        Bytes reply = exchangeQuick(frame, replyLength, timeout);
        const Bytes extra = readFor(fd_, 1, milliseconds(20));
        reply.insert(reply.end(), extra.begin(), extra.end());
        return reply;
    }

    // The same without waiting for extra bytes, for long runs of exchanges.
    Bytes exchangeQuick(const Bytes& frame, std::size_t replyLength, milliseconds timeout = milliseconds(3000)) {
        ::tcflush(fd_, TCIFLUSH);
        if (::write(fd_, frame.data(), frame.size()) != static_cast<ssize_t>(frame.size())) return {};
        return readFor(fd_, replyLength, timeout);
    }

    // Sends `frame` and expects nothing back within `quiet`.
    bool staysSilent(const Bytes& frame, milliseconds quiet = milliseconds(250)) {
        return exchange(frame, 1, quiet).empty();
    }

private:
    int fd_ = -1;
};

// One run of the simulator; killed at the end of the test if still running.
class Sim {
public:
    explicit Sim(const std::vector<std::string>& args) {
        int out[2], err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        std::vector<std::string> all{MV52_RADIO_SIM};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, MV52_RADIO_SIM, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~Sim() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
        if (err_ >= 0) ::close(err_);
    }
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;

    // The first line of standard output, without its newline; empty if none came in time.
    std::string firstLine(milliseconds timeout = milliseconds(10000)) {
        std::string line;
        const auto deadline = Clock::now() + timeout;
        while (true) {
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
            pollfd p{out_, POLLIN, 0};
            if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) return {};
            char c = 0;
            if (::read(out_, &c, 1) != 1) return {};  // one byte at a time: the rest stays in the pipe
            if (c == '\n') return line;
            line += c;
        }
    }

    // Waits for the exit; the exit status, or -1 for a signal or a time-out.
    int wait(milliseconds timeout = milliseconds(5000)) {
        const auto deadline = Clock::now() + timeout;
        int status = 0;
        while (Clock::now() < deadline) {
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(milliseconds(5));
        }
        return -1;
    }

    int stop(int signal) {
        ::kill(pid_, signal);
        return wait();
    }

    // All of standard output or standard error after the exit.
    std::string drain(bool errors) {
        std::string s;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(errors ? err_ : out_, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
        return s;
    }

    bool started() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    bool exited_ = false;
};

class RadioSimProcess : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("mv52-radio-sim-run-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static Bytes pattern() {
        Bytes b(kMemory);
        for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>((i * 31 + i / 97) & 0xFF);
        return b;
    }

    std::string imageFile(const Bytes& bytes) {
        const fs::path p = dir_ / "image.bin";
        writeFile(p, bytes);
        return p.string();
    }

    fs::path dir_;
};

TEST_F(RadioSimProcess, AnswersHandshakeIdentificationAndRead) {
    const Bytes memory = pattern();
    Sim sim({"--image", imageFile(memory), "--model", "LB2424X", "--firmware", "V201"});
    ASSERT_TRUE(sim.started());
    const std::string device = sim.firstLine();
    ASSERT_FALSE(device.empty());
    Port port(device);
    ASSERT_TRUE(port.isOpen()) << device << ": " << std::strerror(errno);

    EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06"));

    Bytes ident = text("ILB2424X");
    ident.push_back(0x00);
    const Bytes firmware = text("V201");
    ident.insert(ident.end(), firmware.begin(), firmware.end());
    ident.insert(ident.end(), {0x00, 0x00, 0x00});
    EXPECT_EQ(port.exchange({0x02}, 16), ident);

    for (unsigned address : {0u, 16400u, 23728u}) {
        const Bytes reply = port.exchange(readRequest(address), 22);
        ASSERT_EQ(reply.size(), 22u) << address;
        Bytes block(memory.begin() + address, memory.begin() + address + 16);
        EXPECT_EQ(reply, dataFrame(address, block)) << address;
    }
    EXPECT_EQ(port.exchange(text("END"), 1), Bytes{0x06});
    EXPECT_EQ(sim.stop(SIGTERM), 0);
}

TEST_F(RadioSimProcess, FactoryMemoryIsTheEncodedStartupDocument) {
    auto ws = mv52::Workspace::create();
    mv52::buildStartupDocument(*ws, mv52::todayDateStamp(), "/nonexistent");
    ws->image.preTransferFill();
    mv52::encodeDocument(*ws);

    Sim sim({});
    const std::string device = sim.firstLine();
    ASSERT_FALSE(device.empty());
    Port port(device);
    ASSERT_TRUE(port.isOpen());
    Bytes read;
    for (unsigned address = 0; address < kMemory; address += 16) {
        const Bytes reply = port.exchangeQuick(readRequest(address), 22);
        ASSERT_EQ(reply.size(), 22u) << address;
        read.insert(read.end(), reply.begin() + 4, reply.begin() + 20);
    }
    const auto image = ws->image.bytes();
    EXPECT_EQ(read, Bytes(image.begin(), image.begin() + kMemory));
}

TEST_F(RadioSimProcess, CompletedWriteIsSavedAndServedToTheNextSession) {
    const Bytes memory = pattern();
    const fs::path saved = dir_ / "saved.bin";
    Sim sim({"--image", imageFile(memory), "--save", saved.string()});
    const std::string device = sim.firstLine();
    ASSERT_FALSE(device.empty());

    Bytes expected = memory;
    {
        Port port(device);
        ASSERT_TRUE(port.isOpen());
        EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06"));
        EXPECT_EQ(port.exchange({0x02}, 16).size(), 16u);
        for (unsigned address : {32u, 8000u}) {
            Bytes data(16);
            for (std::size_t i = 0; i < 16; ++i) data[i] = static_cast<std::uint8_t>(address / 16 + i * 11);
            std::copy(data.begin(), data.end(), expected.begin() + address);
            EXPECT_EQ(port.exchange(dataFrame(address, data), 1), Bytes{0x06}) << address;
        }
        // Not saved before the end request completes the write.
        EXPECT_FALSE(fs::exists(saved));
        EXPECT_EQ(port.exchange(text("END"), 1), Bytes{0x06});
    }
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_EQ(readFile(saved), expected);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 2);  // image and saved

    // The port closed and opened again: the next session reads what was written.
    for (int session = 0; session < 3; ++session) {
        Port port(device);
        ASSERT_TRUE(port.isOpen()) << session;
        EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06")) << session;
        const Bytes reply = port.exchange(readRequest(8000), 22);
        ASSERT_EQ(reply.size(), 22u) << session;
        EXPECT_EQ(Bytes(reply.begin() + 4, reply.begin() + 20), Bytes(expected.begin() + 8000, expected.begin() + 8016));
    }
    EXPECT_EQ(sim.stop(SIGTERM), 0);
}

TEST_F(RadioSimProcess, InvalidFramesGetNoReplyAndTheRadioResynchronises) {
    const Bytes memory = pattern();
    Sim sim({"--image", imageFile(memory)});
    const std::string device = sim.firstLine();
    Port port(device);
    ASSERT_TRUE(port.isOpen());
    Bytes bad = dataFrame(16, Bytes(16, 0x33));
    bad[20] = static_cast<std::uint8_t>(bad[20] + 1);
    EXPECT_TRUE(port.staysSilent(bad));
    EXPECT_TRUE(port.staysSilent({0xFF, 'P', 'R', 0x00}));
    EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06"));
    EXPECT_EQ(port.exchange(readRequest(16), 22), dataFrame(16, Bytes(memory.begin() + 16, memory.begin() + 32)));
}

TEST_F(RadioSimProcess, FaultOptionsWithholdReplies) {
    const Bytes memory = pattern();
    Sim sim({"--image", imageFile(memory), "--ignore-handshakes", "1", "--ignore-idents", "2", "--silent-at", "160",
             "--bad-checksum", "176", "--no-end-ack"});
    const std::string device = sim.firstLine();
    Port port(device);
    ASSERT_TRUE(port.isOpen());
    EXPECT_TRUE(port.staysSilent(text("PROGRAM")));
    EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06"));
    EXPECT_TRUE(port.staysSilent({0x02}));
    EXPECT_TRUE(port.staysSilent({0x02}));
    EXPECT_EQ(port.exchange({0x02}, 16).size(), 16u);
    EXPECT_TRUE(port.staysSilent(readRequest(160)));
    EXPECT_EQ(port.exchange(readRequest(160), 22).size(), 22u);
    const Bytes good = dataFrame(176, Bytes(memory.begin() + 176, memory.begin() + 192));
    Bytes corrupted = good;
    corrupted[20] = static_cast<std::uint8_t>(corrupted[20] + 1);
    EXPECT_EQ(port.exchange(readRequest(176), 22), corrupted);
    EXPECT_EQ(port.exchange(readRequest(176), 22), good);
    EXPECT_TRUE(port.staysSilent(text("END")));
}

TEST_F(RadioSimProcess, PacedRepliesKeepTheirContentAndNeverComeEarly) {
    const Bytes memory = pattern();
    Sim sim({"--image", imageFile(memory), "--baud", "9600", "--delay", "40"});
    const std::string device = sim.firstLine();
    Port port(device);
    ASSERT_TRUE(port.isOpen());
    // Four request bytes in, twenty-two reply bytes out, ten bit times each, after the delay.
    const auto earliest = milliseconds(40) + std::chrono::nanoseconds(26LL * 10 * 1'000'000'000 / 9600);
    for (unsigned address : {0u, 23728u}) {
        const auto sent = Clock::now();
        const Bytes reply = port.exchangeQuick(readRequest(address), 22);
        EXPECT_GE(Clock::now() - sent, earliest) << address;
        EXPECT_EQ(reply, dataFrame(address, Bytes(memory.begin() + address, memory.begin() + address + 16))) << address;
    }
    EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06"));
}

TEST_F(RadioSimProcess, SignalEndsItWithStatusZeroAndRemovesTheLink) {
    for (int signal : {SIGTERM, SIGINT}) {
        const fs::path link = dir_ / "radio";
        // A leftover link from an earlier run is replaced.
        fs::create_symlink("/nonexistent/old-device", link);
        Sim sim({"--link", link.string()});
        const std::string device = sim.firstLine();
        ASSERT_FALSE(device.empty());
        EXPECT_EQ(fs::read_symlink(link).string(), device) << signal;
        {
            Port port(link.string());
            ASSERT_TRUE(port.isOpen());
            EXPECT_EQ(port.exchange(text("PROGRAM"), 3), text("LB\x06"));
        }
        EXPECT_EQ(sim.stop(signal), 0) << signal;
        EXPECT_FALSE(fs::is_symlink(link)) << signal;
    }
}

TEST_F(RadioSimProcess, CommandLineErrorsExitWithStatusTwo) {
    const fs::path shortImage = dir_ / "short.bin";
    writeFile(shortImage, Bytes(kMemory - 16, 0));
    struct Case {
        std::vector<std::string> args;
        std::string inMessage;
    };
    const std::vector<Case> cases = {
        {{"--image", shortImage.string()}, "23728"},
        {{"--image", (dir_ / "missing.bin").string()}, "missing.bin"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"--model", "LB2424PXX"}, "--model"},
        {{"--silent-at", "99999"}, "--silent-at"},
    };
    for (const Case& c : cases) {
        Sim sim(c.args);
        EXPECT_EQ(sim.wait(), 2) << c.args[0];
        EXPECT_EQ(sim.drain(false), "") << c.args[0];
        EXPECT_NE(sim.drain(true).find(c.inMessage), std::string::npos) << c.args[0];
    }
}

TEST_F(RadioSimProcess, HelpPrintsUsage) {
    Sim sim({"--help"});
    EXPECT_EQ(sim.wait(), 0);
    const std::string out = sim.drain(false);
    EXPECT_EQ(out.rfind("usage: mv52-radio-sim", 0), 0u) << out;
    for (const char* option : {"--link", "--image", "--save", "--model", "--firmware", "--baud", "--ignore-handshakes",
                               "--ignore-idents", "--bad-checksum", "--silent-at", "--no-end-ack", "--delay", "--verbose"})
        EXPECT_NE(out.find(option), std::string::npos) << option;
}

}  // namespace
