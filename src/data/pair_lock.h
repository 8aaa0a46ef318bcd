#pragma once
// One writer at a time on a data file pair: a lock between programs on a hidden lock file
// beside the data file, ".NAME.lock", removed again when the lock is released. Every load and
// save of a pair takes it, and a command that loads, changes and saves a pair holds it from
// the load to the save, so two programs never interleave their steps on one pair and no
// program settles another's save in progress. The lock is the process's: taking it again
// while it is held (a save inside a command that already holds it) nests.

#include <chrono>
#include <string>

namespace mv52 {

enum class LockState {
    Held,        // this process holds the lock
    Busy,        // another program held it for the whole wait
    Unavailable, // no lock file can be made there (a read-only folder): nobody can save there either
};

class PairLock {
public:
    // Locks the pair of `dataPath` (links followed), waiting up to `wait` for another holder.
    explicit PairLock(const std::string& dataPath, std::chrono::milliseconds wait = defaultWait());
    ~PairLock();
    PairLock(const PairLock&) = delete;
    PairLock& operator=(const PairLock&) = delete;

    LockState state() const { return state_; }
    bool busy() const { return state_ == LockState::Busy; }

    // How long a load or save waits for another program's save: far longer than any save takes.
    static std::chrono::milliseconds defaultWait() { return std::chrono::seconds(5); }
    // The lock file of the pair of `dataPath`.
    static std::string lockPath(const std::string& dataPath);

private:
    std::string path_;
    LockState state_ = LockState::Unavailable;
};

}  // namespace mv52
