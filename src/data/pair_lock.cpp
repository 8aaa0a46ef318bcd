#include "data/pair_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "data/durable_files.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

struct HeldLock {
    int fd = -1;
    int depth = 0;
};

// The locks this process holds, by lock file: flock conflicts between two descriptors of one
// process too, so a nested lock must reuse the held one.
std::mutex& heldMutex() {
    static std::mutex m;
    return m;
}
std::map<std::string, HeldLock>& heldLocks() {
    static std::map<std::string, HeldLock> held;
    return held;
}

// Opens and locks the lock file. The file can be removed by the holder before we get the
// lock; a lock on a removed file guards nothing, so then the lock is taken afresh.
LockState acquire(const std::string& path, std::chrono::milliseconds wait, int& fdOut) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) return LockState::Unavailable;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                ::close(fd);
                return LockState::Unavailable;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                return LockState::Busy;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            fdOut = fd;
            return LockState::Held;
        }
        ::close(fd);
    }
}

}  // namespace

std::string PairLock::lockPath(const std::string& dataPath) {
    std::string target = saveTarget(dataPath);
    if (target.empty()) target = dataPath;
    const fs::path p(target);
    return (p.parent_path() / ("." + p.filename().string() + ".lock")).string();
}

PairLock::PairLock(const std::string& dataPath, std::chrono::milliseconds wait) : path_(lockPath(dataPath)) {
    {
        std::lock_guard guard(heldMutex());
        auto it = heldLocks().find(path_);
        if (it != heldLocks().end()) {
            ++it->second.depth;
            state_ = LockState::Held;
            return;
        }
    }
    int fd = -1;
    state_ = acquire(path_, wait, fd);
    if (state_ != LockState::Held) return;
    std::lock_guard guard(heldMutex());
    heldLocks()[path_] = {fd, 1};
}

PairLock::~PairLock() {
    if (state_ != LockState::Held) return;
    std::lock_guard guard(heldMutex());
    auto it = heldLocks().find(path_);
    if (it == heldLocks().end() || --it->second.depth > 0) return;
    // Removed while still locked, so that whoever opened it meanwhile sees it is gone.
    ::unlink(path_.c_str());
    ::close(it->second.fd);
    heldLocks().erase(it);
}

}  // namespace mv52
