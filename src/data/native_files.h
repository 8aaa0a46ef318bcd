#pragma once
// What the standard library cannot do with files, asked of the operating system: force a file
// or a folder to disk, rename over a file so that the step reaches the disk, create a file
// that must not exist, keep a replaced file's owner and mode, lock a file between programs,
// and tell whether another process still runs. native_files_posix.cpp answers on POSIX
// systems, native_files_windows.cpp on Windows; nothing else in the core includes a system
// header.
//
// Paths are UTF-8 text throughout the core. On Windows they become wide names here (a narrow
// name there would go through the ANSI code page and lose every character outside it), so a
// file named in Chinese opens and saves on both. A failure leaves its reason in errno, Windows
// errors mapped onto the nearest errno value, so that messages name it alike on both.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace mv52::native {

// UTF-8 text to a path of the system and back.
std::filesystem::path toPath(std::string_view utf8);
std::string fromPath(const std::filesystem::path& path);

// Descriptors of the C runtime. Every call retries what a signal interrupted.
int openToRead(const std::string& path);
// A new file that must not exist yet, never through a symbolic link.
int createExclusive(const std::string& path);
// An existing file written in place (a pipe, a device).
int openToWrite(const std::string& path);
// Bytes read, 0 at the end, -1 on failure.
std::int64_t readSome(int fd, std::uint8_t* into, std::size_t size);
bool writeAll(int fd, std::span<const std::uint8_t> bytes);
// Forces the file's content and size to disk.
bool flushFile(int fd);
bool closeFile(int fd);
// C streams on a UTF-8 path.
std::FILE* openStream(const std::string& path, const char* mode);

// Forces a folder's entries (names created, renamed, removed) to disk.
bool flushFolder(const std::string& folder);
// Renames `from` over `to` in one step that is on disk when it returns (or, on POSIX, once
// the folder is flushed).
bool renameOver(const std::string& from, const std::string& to);

// What a save keeps of the file it replaces: POSIX mode bits, owner and group. Windows keeps
// nothing of its own: the new file takes the permissions its folder gives, as any new file.
struct Ownership {
    unsigned mode = 0;
    unsigned owner = 0;
    unsigned group = 0;
};

struct FileFacts {
    enum class Kind { Missing, Regular, Folder, Other };
    Kind kind = Kind::Missing;
    bool readOnly = false;  // no write permission for anyone, or Windows's read-only attribute
    Ownership ownership;
};
// What `path` is, following symbolic links or not. False, with errno, when the system cannot
// tell (a missing file is no failure).
bool fileFacts(const std::string& path, bool followLinks, FileFacts& facts);
// Whether this user may write the file. False with errno.
bool mayWrite(const std::string& path);
// Gives a new file what the replaced one had, where the saver may.
void keepOwnership(int fd, const Ownership& ownership);

// Identity, size and modification time of a file, as text that changes whenever another
// program replaces or rewrites it; empty when it does not exist.
std::string fileStamp(const std::string& path);

unsigned long processId();
// Whether a process of that number may still be running (one the saver may not inspect counts).
bool processMayRun(unsigned long pid);

// An exclusive lock on a lock file between programs; the file is created and removed here.
using LockHandle = std::intptr_t;
enum class LockAttempt { Locked, Busy, Unavailable };
// One attempt, without waiting.
LockAttempt tryLockFile(const std::string& path, LockHandle& handle);
// Removes the lock file and releases the lock.
void unlockFile(const std::string& path, LockHandle handle);

}  // namespace mv52::native
