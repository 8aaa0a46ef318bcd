#include "data/pair_lock.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "data/durable_files.h"
#include "data/native_files.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

struct HeldLock {
    native::LockHandle handle = -1;
    int depth = 0;
};

// The locks this process holds, by lock file: the lock conflicts between two openings by one
// process too, so a nested lock must reuse the held one.
std::mutex& heldMutex() {
    static std::mutex m;
    return m;
}
std::map<std::string, HeldLock>& heldLocks() {
    static std::map<std::string, HeldLock> held;
    return held;
}

// Tries until the lock is taken or the wait is over.
LockState acquire(const std::string& path, std::chrono::milliseconds wait, native::LockHandle& handle) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        switch (native::tryLockFile(path, handle)) {
        case native::LockAttempt::Locked:
            return LockState::Held;
        case native::LockAttempt::Unavailable:
            return LockState::Unavailable;
        case native::LockAttempt::Busy:
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) return LockState::Busy;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

std::string PairLock::lockPath(const std::string& dataPath) {
    std::string target = saveTarget(dataPath);
    if (target.empty()) target = dataPath;
    const fs::path p = native::toPath(target);
    return native::fromPath(p.parent_path() / native::toPath("." + native::fromPath(p.filename()) + ".lock"));
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
    native::LockHandle handle = -1;
    state_ = acquire(path_, wait, handle);
    if (state_ != LockState::Held) return;
    std::lock_guard guard(heldMutex());
    heldLocks()[path_] = {handle, 1};
}

PairLock::~PairLock() {
    if (state_ != LockState::Held) return;
    std::lock_guard guard(heldMutex());
    auto it = heldLocks().find(path_);
    if (it == heldLocks().end() || --it->second.depth > 0) return;
    native::unlockFile(path_, it->second.handle);
    heldLocks().erase(it);
}

}  // namespace mv52
