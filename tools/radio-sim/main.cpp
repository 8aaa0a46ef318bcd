// mv52-radio-sim: a simulated MV52 radio on a pseudo-terminal, for testing the program without
// hardware. It prints the device path as its first line and then answers on it until SIGINT
// or SIGTERM.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "line_pacer.h"
#include "memory_file.h"
#include "options.h"
#include "pty.h"
#include "radio_protocol.h"

namespace {

using namespace mv52::sim;
using Clock = std::chrono::steady_clock;

constexpr const char* kName = "mv52-radio-sim";

// Self-pipe: the handler only writes a byte; the poll loop sees it and stops.
int g_signalWrite = -1;

extern "C" void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_signalWrite, &byte, 1);
    errno = saved;
}

bool installSignalPipe(int& readEnd, std::string& error) {
    int fds[2];
    if (::pipe(fds) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    for (int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    readEnd = fds[0];
    g_signalWrite = fds[1];
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    // A parent may have left them blocked; the radio must still stop when told.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    ::sigprocmask(SIG_UNBLOCK, &stops, nullptr);
    return true;
}

// Points `link` at `target`, replacing an earlier link in one step (symlink + rename).
bool makeLink(const std::string& link, const std::string& target, std::string& error) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = link + ": exists and is not a symbolic link";
        return false;
    }
    const std::string temp = link + ".tmp" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(target.c_str(), temp.c_str()) != 0 || ::rename(temp.c_str(), link.c_str()) != 0) {
        error = link + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Removes the link only while it still points at our device: another simulator may own it now.
void removeLink(const std::string& link, const std::string& target) {
    std::vector<char> buf(target.size() + 2);
    const auto n = ::readlink(link.c_str(), buf.data(), buf.size());
    if (n >= 0 && std::string_view(buf.data(), static_cast<std::size_t>(n)) == target) ::unlink(link.c_str());
}

class Server {
public:
    Server(const Options& options, Pty& pty, RadioProtocol& radio, int signalFd)
        : options_(options),
          pty_(pty),
          radio_(radio),
          signalFd_(signalFd),
          pacer_(options.baud, std::chrono::milliseconds(options.delayMs)) {}

    void run() {
        while (true) {
            flushDue();
            pollfd fds[2] = {{pty_.masterFd(), POLLIN, 0}, {signalFd_, POLLIN, 0}};
            if (writeBlocked_) fds[0].events |= POLLOUT;
            const int ready = waitForEvents(fds);
            if (ready < 0) {
                if (errno == EINTR) continue;
                log(std::string("poll: ") + std::strerror(errno));
                return;
            }
            if (fds[1].revents != 0) return;
            if (fds[0].revents & POLLIN) {
                readInput();
            } else if (fds[0].revents & (POLLHUP | POLLERR)) {
                // Only seen where holding the slave does not keep the master quiet; do not spin.
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            if (auto stale = radio_.dropStale(Clock::now())) report(*stale);
        }
    }

    // "turnaround: N round trips, median M us, mean A us, 10% L us, 90% H us".
    void reportTurnaround() {
        if (!options_.turnaround) return;
        if (turnarounds_.empty()) {
            log("turnaround: no round trips");
            return;
        }
        std::vector<double> us;
        for (const auto& t : turnarounds_) us.push_back(std::chrono::duration<double, std::micro>(t).count());
        std::sort(us.begin(), us.end());
        const auto at = [&](double q) { return us[static_cast<std::size_t>(q * static_cast<double>(us.size() - 1))]; };
        const double mean = std::accumulate(us.begin(), us.end(), 0.0) / static_cast<double>(us.size());
        char line[160];
        std::snprintf(line, sizeof line, "turnaround: %zu round trips, median %.1f us, mean %.1f us, 10%% %.1f us, 90%% %.1f us",
                      us.size(), at(0.5), mean, at(0.1), at(0.9));
        log(line);
    }

private:
    struct Outgoing {
        Clock::time_point due;
        std::uint8_t byte;
    };

    void log(const std::string& line) const { std::fprintf(stderr, "%s: %s\n", kName, line.c_str()); }

    void report(const Exchange& ex) const {
        if (!options_.verbose) return;
        std::string line = std::string("<- ") + frameKindName(ex.kind) + " [" + hexText(ex.bytes) + "]";
        if (ex.kind == FrameKind::Garbage || ex.kind == FrameKind::Stale)
            line += " dropped";
        else if (ex.reply.empty())
            line += " no reply";
        else
            line += " -> [" + hexText(ex.reply) + "]";
        if (ex.faulted) line += " (fault)";
        log(line);
    }

    // How long to wait for input: until the next reply byte is due, or the stale-frame gap;
    // negative for no limit.
    std::chrono::microseconds timeout() const {
        auto wait = std::chrono::microseconds(-1);
        const auto now = Clock::now();
        if (!queue_.empty() && !writeBlocked_) {
            const auto until = queue_.front().due - now;
            wait = std::chrono::ceil<std::chrono::microseconds>(until > Clock::duration::zero() ? until : Clock::duration::zero());
        }
        if (radio_.pending() > 0 && (wait.count() < 0 || wait > kStaleGap)) wait = kStaleGap;
        return wait;
    }

    // Paced bytes are due every ~1 ms at 9600 baud: wait with microsecond resolution where the
    // system offers it, so that rounding up to whole milliseconds does not slow the line.
    int waitForEvents(pollfd (&fds)[2]) const {
        const auto wait = timeout();
#ifdef __linux__
        timespec ts{};
        ts.tv_sec = static_cast<time_t>(wait.count() / 1000000);
        ts.tv_nsec = static_cast<long>((wait.count() % 1000000) * 1000);
        return ::ppoll(fds, 2, wait.count() < 0 ? nullptr : &ts, nullptr);
#else
        const auto ms = wait.count() < 0 ? -1 : std::chrono::ceil<std::chrono::milliseconds>(wait).count();
        return ::poll(fds, 2, static_cast<int>(ms));
#endif
    }

    void flushDue() {
        const auto now = Clock::now();
        std::vector<std::uint8_t> chunk;
        for (const Outgoing& o : queue_) {
            if (o.due > now) break;
            chunk.push_back(o.byte);
        }
        writeBlocked_ = false;
        if (chunk.empty()) return;
        // The reader may answer before write() has even returned: the time is taken before.
        const auto handedAt = Clock::now();
        const long n = pty_.write(chunk);
        if (n < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                writeBlocked_ = true;
                return;
            }
            log(std::string("write: ") + std::strerror(errno) + "; reply dropped");
            queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(chunk.size()));
            return;
        }
        queue_.erase(queue_.begin(), queue_.begin() + n);
        writeBlocked_ = static_cast<std::size_t>(n) < chunk.size();
        if (options_.turnaround && queue_.empty()) replyDone_ = handedAt;
    }

    void readInput() {
        std::uint8_t buf[4096];
        while (true) {
            const long n = pty_.read(buf);
            if (n <= 0) return;  // EAGAIN once drained; EIO while no slave is open
            const auto now = Clock::now();
            if (replyDone_) {
                turnarounds_.push_back(now - *replyDone_);
                replyDone_.reset();
            }
            const std::span<const std::uint8_t> bytes(buf, static_cast<std::size_t>(n));
            pacer_.received(radio_.received(), bytes.size(), now);
            for (const Exchange& ex : radio_.receive(bytes, now)) {
                report(ex);
                if (!ex.reply.empty()) {
                    const auto due = pacer_.schedule(ex.endIndex, ex.reply.size());
                    for (std::size_t i = 0; i < ex.reply.size(); ++i) queue_.push_back({due[i], ex.reply[i]});
                }
                if (ex.committed && !options_.savePath.empty()) save();
            }
        }
    }

    void save() const {
        std::string error;
        if (!saveMemoryImage(options_.savePath, radio_.memory(), error))
            log("cannot save the memory: " + error);
        else if (options_.verbose)
            log("memory saved to " + options_.savePath);
    }

    const Options& options_;
    Pty& pty_;
    RadioProtocol& radio_;
    int signalFd_;
    LinePacer pacer_;
    std::deque<Outgoing> queue_;
    bool writeBlocked_ = false;
    // --turnaround: when the last reply was all handed to the line, and each wait from then
    // to the next request's first byte.
    std::optional<Clock::time_point> replyDone_;
    std::vector<Clock::duration> turnarounds_;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedOptions parsed = parseOptions(args);
    if (parsed.action == ParsedOptions::Action::Help) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (parsed.action == ParsedOptions::Action::Error) {
        std::fprintf(stderr, "%s: %s\n%s", kName, parsed.error.c_str(), usageText().c_str());
        return 2;
    }
    const Options& options = parsed.options;

    std::string error;
    std::vector<std::uint8_t> memory;
    if (options.imagePath.empty()) {
        memory = factoryMemory();
    } else if (!loadMemoryImage(options.imagePath, memory, error)) {
        std::fprintf(stderr, "%s: %s\n", kName, error.c_str());
        return 2;
    }
    RadioProtocol radio(options.identity, options.faults, std::move(memory));

    int signalFd = -1;
    Pty pty;
    if (!installSignalPipe(signalFd, error) || !pty.open(error)) {
        std::fprintf(stderr, "%s: %s\n", kName, error.c_str());
        return 1;
    }
    if (!options.linkPath.empty() && !makeLink(options.linkPath, pty.devicePath(), error)) {
        std::fprintf(stderr, "%s: %s\n", kName, error.c_str());
        return 1;
    }
    // The link exists before the path is announced, so a reader of the first line may use either.
    std::printf("%s\n", pty.devicePath().c_str());
    std::fflush(stdout);

    Server server(options, pty, radio, signalFd);
    server.run();
    server.reportTurnaround();

    if (!options.linkPath.empty()) removeLink(options.linkPath, pty.devicePath());
    if (options.verbose) std::fprintf(stderr, "%s: stopped\n", kName);
    return 0;
}
