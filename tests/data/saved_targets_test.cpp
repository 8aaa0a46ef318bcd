// What a save does with what the user has at the target path: links, permissions, files that
// are not regular, and the reason it gives when it cannot write.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "data/durable_files.h"
#include "data/file_io.h"
#include "data/pair_lock.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew = {'n', 'e', 'w', '!'};

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SavedTargets, ALinkIsSavedThroughAndThePermissionsStay) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "real");
    const std::string real = dir.file("real/x.bin");
    writeBytes(real, kOld);
    ::chmod(real.c_str(), 0640);
    fs::create_symlink("real/x.bin", dir.path() / "link.bin");   // relative
    fs::create_symlink(dir.path() / "link.bin", dir.path() / "link2.bin");  // a chain

    ASSERT_TRUE(replaceFile({dir.file("link2.bin"), kNew}));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.bin"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link2.bin"));
    EXPECT_EQ(readBytes(real), kNew);
    EXPECT_EQ(modeOf(real), 0640u);

    // A pair through links: both real files get the new content, both links stay.
    const std::string realFre = dir.file("real/x.fre");
    writeBytes(realFre, kOld);
    ::chmod(realFre.c_str(), 0600);
    fs::create_symlink(realFre, dir.path() / "pair.fre");
    fs::create_symlink(real, dir.path() / "pair.dat");
    ASSERT_TRUE(replaceFilePair({dir.file("pair.fre"), kOld}, {dir.file("pair.dat"), kOld}));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "pair.fre"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "pair.dat"));
    EXPECT_EQ(readBytes(realFre), kOld);
    EXPECT_EQ(readBytes(real), kOld);
    EXPECT_EQ(modeOf(realFre), 0600u);

    // A link to nothing yet: the file is made where it points.
    fs::create_symlink("real/later.bin", dir.path() / "dangling.bin");
    ASSERT_TRUE(replaceFile({dir.file("dangling.bin"), kNew}));
    EXPECT_EQ(readBytes(dir.file("real/later.bin")), kNew);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.bin"));
}

TEST(SavedTargets, APipeIsWrittenDirectly) {
    test::TempDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::uint8_t> received;
    std::thread reader([&] { received = readFilePrefix(fifo, 100).value_or(std::vector<std::uint8_t>{}); });
    EXPECT_TRUE(replaceFile({fifo, kNew}));
    reader.join();
    EXPECT_EQ(received, kNew);
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));  // still the pipe, not a file renamed over it
}

// Each cause a save can meet, and the file and reason it reports. Nothing is left behind.
TEST(SavedTargets, AFailedSaveNamesTheFileAndTheCause) {
    test::TempDir dir;
    struct Case {
        const char* what;
        std::function<std::string()> setUp;  // returns the path to save
        int code;
    };
    const Case cases[] = {
        {"a read-only file", [&] {
             writeBytes(dir.file("ro.bin"), kOld);
             ::chmod(dir.file("ro.bin").c_str(), 0444);
             return dir.file("ro.bin");
         }, kFailReadOnlyFile},
        {"a folder", [&] {
             fs::create_directories(dir.path() / "folder.bin");
             return dir.file("folder.bin");
         }, EISDIR},
        {"a link loop", [&] {
             fs::create_symlink("loop.bin", dir.path() / "loop.bin");
             return dir.file("loop.bin");
         }, ELOOP},
        {"a missing folder", [&] { return dir.file("missing/x.bin"); }, ENOENT},
        {"a full disk", [] { return std::string("/dev/full"); }, ENOSPC},
    };
    for (const Case& c : cases) {
        const std::string path = c.setUp();
        FileFailure failure;
        EXPECT_FALSE(replaceFile({path, kNew}, {}, &failure)) << c.what;
        EXPECT_EQ(failure.code, c.code) << c.what;
        EXPECT_EQ(failure.path, path) << c.what;
    }
    EXPECT_EQ(readBytes(dir.file("ro.bin")), kOld);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.bin", "loop.bin", "ro.bin"}));
}

// One holder at a time, across processes; nested in one process; the lock file goes with
// the last holder.
TEST(PairLocks, AnotherProgramsLockMakesTheWaitFailAndItsReleaseFreesThePair) {
    test::TempDir dir;
    const std::string path = dir.file("x.dat");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const PairLock lock(path, std::chrono::milliseconds(0));
        const char c = lock.state() == LockState::Held ? 'y' : 'n';
        if (::write(ready[1], &c, 1) != 1) ::_exit(2);
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    {
        const PairLock refused(path, std::chrono::milliseconds(100));
        EXPECT_TRUE(refused.busy());
    }
    {
        const PairLock waited(path, std::chrono::seconds(20));  // the child lets go after 700 ms
        EXPECT_EQ(waited.state(), LockState::Held);
        const PairLock nested(path, std::chrono::milliseconds(0));
        EXPECT_EQ(nested.state(), LockState::Held);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(PairLock::lockPath(path)));
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
}  // namespace mv52
