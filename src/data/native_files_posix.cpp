// The POSIX answers of native_files.h.
#ifndef _WIN32

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "data/native_files.h"

namespace mv52::native {

std::filesystem::path toPath(std::string_view utf8) { return std::filesystem::path(utf8); }

std::string fromPath(const std::filesystem::path& path) { return path.string(); }

namespace {

int retryOpen(const std::string& path, int flags, mode_t mode = 0) {
    int fd = -1;
    do fd = ::open(path.c_str(), flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

int openToRead(const std::string& path) { return retryOpen(path, O_RDONLY | O_CLOEXEC | O_NOCTTY); }

int createExclusive(const std::string& path) {
    return retryOpen(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

int openToWrite(const std::string& path) { return retryOpen(path, O_WRONLY | O_CLOEXEC | O_NOCTTY); }

std::int64_t readSome(int fd, std::uint8_t* into, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, into, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool flushFile(int fd) {
    int result = 0;
    do result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

bool closeFile(int fd) { return ::close(fd) == 0; }

std::FILE* openStream(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool flushFolder(const std::string& folder) {
    const int fd = retryOpen(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = flushFile(fd);
    const int code = errno;
    ::close(fd);
    errno = code;
    return ok;
}

bool renameOver(const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()) == 0; }

bool fileFacts(const std::string& path, bool followLinks, FileFacts& facts) {
    struct stat st {};
    facts = {};
    if ((followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) return errno == ENOENT;
    facts.kind = S_ISREG(st.st_mode)   ? FileFacts::Kind::Regular
                 : S_ISDIR(st.st_mode) ? FileFacts::Kind::Folder
                                       : FileFacts::Kind::Other;
    facts.readOnly = (st.st_mode & 0222) == 0;
    facts.ownership = {static_cast<unsigned>(st.st_mode), static_cast<unsigned>(st.st_uid),
                       static_cast<unsigned>(st.st_gid)};
    return true;
}

bool mayWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

void keepOwnership(int fd, const Ownership& ownership) {
    // Owner first: a change of owner may clear the set-id bits the mode then restores. A
    // saver who may not give the file away keeps at least the group where it may.
    const auto uid = static_cast<uid_t>(ownership.owner);
    const auto gid = static_cast<gid_t>(ownership.group);
    if (::fchown(fd, uid, gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), gid) != 0) {
        // Neither: the file belongs to the saver, as a new file would.
    }
    if (::fchmod(fd, static_cast<mode_t>(ownership.mode & 07777)) != 0) {
        // Only the owner may change the mode; then it stays as created.
    }
}

std::string fileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
           std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

bool processMayRun(unsigned long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

LockAttempt tryLockFile(const std::string& path, LockHandle& handle) {
    // The holder removes the file before it lets go; a lock on a removed file guards nothing,
    // so then the lock is taken afresh on the file that now has the name.
    for (;;) {
        const int fd = retryOpen(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) return LockAttempt::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int code = errno;
            ::close(fd);
            return code == EWOULDBLOCK || code == EINTR ? LockAttempt::Busy : LockAttempt::Unavailable;
        }
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            handle = fd;
            return LockAttempt::Locked;
        }
        ::close(fd);
    }
}

void unlockFile(const std::string& path, LockHandle handle) {
    // Removed while still locked, so that whoever opened it meanwhile sees it is gone.
    ::unlink(path.c_str());
    ::close(static_cast<int>(handle));
}

}  // namespace mv52::native

#endif  // !_WIN32
