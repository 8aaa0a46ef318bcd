#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "data/native_files.h"
#include "data/pair_lock.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

bool exists(const std::string& path) { return fs::exists(native::toPath(path)); }

// The lock file beside the pair, held by this process (nested takes reuse it), refused to any
// other opener while held, and gone once released; a name in Chinese with spaces included.
TEST(PairLock, HeldNestsKeepsOthersOutAndLeavesNoFileBehind) {
    test::TempDir dir;
    const std::string data = dir.file("电台 1.dat");
    const std::string lockFile = PairLock::lockPath(data);
    EXPECT_EQ(native::fromPath(native::toPath(lockFile).filename()), ".电台 1.dat.lock");
    {
        const PairLock held(data);
        ASSERT_EQ(held.state(), LockState::Held);
        EXPECT_TRUE(exists(lockFile));
        {
            const PairLock nested(data, 0ms);
            EXPECT_EQ(nested.state(), LockState::Held);
        }
        EXPECT_TRUE(exists(lockFile));  // the outer lock still holds it
        native::LockHandle other = -1;
        EXPECT_EQ(native::tryLockFile(lockFile, other), native::LockAttempt::Busy);
    }
    EXPECT_FALSE(exists(lockFile));

    // Another program holding it: this one waits, then gives up.
    native::LockHandle other = -1;
    ASSERT_EQ(native::tryLockFile(lockFile, other), native::LockAttempt::Locked);
    const auto start = std::chrono::steady_clock::now();
    {
        const PairLock waiting(data, 200ms);
        EXPECT_TRUE(waiting.busy());
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    native::unlockFile(lockFile, other);
    EXPECT_FALSE(exists(lockFile));
    const PairLock free(data, 0ms);
    EXPECT_EQ(free.state(), LockState::Held);
}

TEST(PairLock, AFolderThatTakesNoFileMakesTheLockUnavailable) {
    test::TempDir dir;
    const PairLock lock(dir.file("no/such/folder/x.dat"), 0ms);
    EXPECT_EQ(lock.state(), LockState::Unavailable);
}

}  // namespace
}  // namespace mv52
