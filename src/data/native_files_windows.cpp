// The Windows answers of native_files.h. Names go to the system as UTF-16; the C runtime's
// descriptors carry the files, and FlushFileBuffers and MoveFileExW the steps a save relies on.
#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include "data/windows_api.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include "data/native_files.h"

namespace mv52::native {

std::filesystem::path toPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string fromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

namespace {

// The errno value nearest to a Windows error, for the messages that name the reason.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_CURRENT_DIRECTORY:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    default:
        return EIO;
    }
}

bool failWithLastError() {
    errno = errnoOf(::GetLastError());
    return false;
}

std::wstring wide(const std::string& path) { return toPath(path).wstring(); }

int openWith(const std::string& path, int flags) {
    return ::_wopen(wide(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

// A handle that only reads the file's attributes, shared with every other opener.
HANDLE openAttributes(const std::string& path, bool followLinks) {
    return ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
}

}  // namespace

int openToRead(const std::string& path) { return openWith(path, _O_RDONLY); }

// CREATE_NEW underneath: a name that exists in any form, a link included, is refused.
int createExclusive(const std::string& path) { return openWith(path, _O_WRONLY | _O_CREAT | _O_EXCL); }

int openToWrite(const std::string& path) { return openWith(path, _O_WRONLY); }

std::int64_t readSome(int fd, std::uint8_t* into, std::size_t size) {
    return ::_read(fd, into, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const int n = ::_write(fd, bytes.data() + done, static_cast<unsigned>(std::min<std::size_t>(bytes.size() - done, 1u << 30)));
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool flushFile(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return false;
    }
    return ::FlushFileBuffers(handle) != 0 || failWithLastError();
}

bool closeFile(int fd) { return ::_close(fd) == 0; }

std::FILE* openStream(const std::string& path, const char* mode) {
    return ::_wfopen(wide(path).c_str(), toPath(mode).wstring().c_str());
}

bool flushFolder(const std::string& folder) {
    const HANDLE handle = ::CreateFileW(wide(folder).c_str(), GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return failWithLastError();
    bool ok = ::FlushFileBuffers(handle) != 0;
    if (!ok) {
        const DWORD error = ::GetLastError();
        // A file system that cannot flush a folder (FAT, some network shares) has its names
        // carried by the flushes of the files and the write-through renames.
        ok = error == ERROR_INVALID_FUNCTION || error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED;
        if (!ok) errno = errnoOf(error);
    }
    ::CloseHandle(handle);
    return ok;
}

bool renameOver(const std::string& from, const std::string& to) {
    // One step that replaces the name, and is on disk when the call returns.
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
           failWithLastError();
}

bool fileFacts(const std::string& path, bool followLinks, FileFacts& facts) {
    facts = {};
    const HANDLE handle = openAttributes(path, followLinks);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
        errno = errnoOf(error);
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(handle, &info) != 0;
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    if (!ok) {
        // Devices (NUL, CON) have no such information: written in place.
        facts.kind = FileFacts::Kind::Other;
        return true;
    }
    facts.readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        facts.kind = FileFacts::Kind::Folder;
    else if (type != FILE_TYPE_DISK || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        facts.kind = FileFacts::Kind::Other;
    else
        facts.kind = FileFacts::Kind::Regular;
    return true;
}

bool mayWrite(const std::string& path) {
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_SHARING_VIOLATION || failWithLastError();
    ::CloseHandle(handle);
    return true;
}

void keepOwnership(int, const Ownership&) {}

std::string fileStamp(const std::string& path) {
    const HANDLE handle = openAttributes(path, true);
    if (handle == INVALID_HANDLE_VALUE) return {};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    if (!ok) return {};
    const auto join = [](DWORD high, DWORD low) { return std::to_string((std::uint64_t{high} << 32) | low); };
    return std::to_string(info.dwVolumeSerialNumber) + ":" + join(info.nFileIndexHigh, info.nFileIndexLow) + ":" +
           join(info.nFileSizeHigh, info.nFileSizeLow) + ":" +
           join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
}

unsigned long processId() { return ::GetCurrentProcessId(); }

bool processMayRun(unsigned long pid) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) != 0 && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

LockAttempt tryLockFile(const std::string& path, LockHandle& handle) {
    // Opened unshared, the file itself is the lock: another opener gets a sharing violation
    // until it is closed, and closing (or the end of the process, however it ends) removes it.
    const HANDLE file = ::CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        handle = reinterpret_cast<LockHandle>(file);
        return LockAttempt::Locked;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return LockAttempt::Busy;
    // A lock file its holder has just closed is refused until it is gone.
    if (error == ERROR_ACCESS_DENIED && ::GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES)
        return LockAttempt::Busy;
    return LockAttempt::Unavailable;
}

void unlockFile(const std::string&, LockHandle handle) { ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

}  // namespace mv52::native

#endif  // _WIN32
