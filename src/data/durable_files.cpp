#include "data/durable_files.h"

// The standard library cannot force a file or a folder to disk; this is the one place of the
// core that asks the operating system (POSIX fsync).
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>

namespace mv52 {
namespace {

namespace fs = std::filesystem;

void report(const SaveProbe& probe, SaveStep step, const std::string& path) {
    if (probe) probe(step, path);
}

bool fsyncDescriptor(int fd) {
    int result = 0;
    do result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

std::string folderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Forces the folder entries (names created, renamed, removed) to disk.
bool flushFolder(const std::string& folder, const SaveProbe& probe) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fsyncDescriptor(fd);
    ::close(fd);
    if (ok) report(probe, SaveStep::FolderFlushed, folder);
    return ok;
}

bool flushFolders(std::initializer_list<const std::string*> paths, const SaveProbe& probe) {
    std::set<std::string> folders;
    for (const std::string* p : paths) folders.insert(folderOf(*p));
    for (const std::string& f : folders)
        if (!flushFolder(f, probe)) return false;
    return true;
}

// Creates or truncates `path` (never through a symbolic link), writes the bytes and forces
// them to disk.
bool writeAndFlush(const std::string& path, std::span<const std::uint8_t> bytes, const SaveProbe& probe) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    if (ok) report(probe, SaveStep::Written, path);
    ok = ok && fsyncDescriptor(fd);
    ok = ::close(fd) == 0 && ok;
    if (ok) report(probe, SaveStep::Flushed, path);
    return ok;
}

bool renameOver(const std::string& from, const std::string& to, const SaveProbe& probe) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) return false;
    report(probe, SaveStep::Renamed, to);
    return true;
}

// Only files this module wrote are removed: a folder or link under a temporary name is not ours.
bool isOurFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

void removeTemporary(const std::string& path, const SaveProbe& probe) {
    std::error_code ec;
    if (isOurFile(path) && fs::remove(path, ec)) report(probe, SaveStep::Removed, path);
}

// Drops an uncommitted pair save: `last`'s temporary file goes first and is gone for good
// before `first`'s goes, so that no crash leaves `last`'s alone, which would read as committed.
void discardPairTemporaries(const std::string& firstTemp, const std::string& lastTemp, const SaveProbe& probe) {
    if (isOurFile(lastTemp)) {
        removeTemporary(lastTemp, probe);
        if (!exists(lastTemp)) flushFolders({&lastTemp}, probe);
    }
    removeTemporary(firstTemp, probe);
}

}  // namespace

std::string savingPath(const std::string& path) { return path + ".saving"; }

bool replaceFile(const FileContent& file, const SaveProbe& probe) {
    const std::string temp = savingPath(file.path);
    if (!writeAndFlush(temp, file.bytes, probe) || !renameOver(temp, file.path, probe)) {
        removeTemporary(temp, probe);
        return false;
    }
    return flushFolders({&file.path}, probe);
}

bool replaceFilePair(const FileContent& first, const FileContent& last, const SaveProbe& probe) {
    if (settleFilePair(first.path, last.path, probe) != last.path) return false;
    const std::string firstTemp = savingPath(first.path);
    const std::string lastTemp = savingPath(last.path);
    // `first`'s temporary file is on disk, name and all, before `last`'s exists, and both are
    // before the commit.
    const bool ready = writeAndFlush(firstTemp, first.bytes, probe) && flushFolders({&firstTemp}, probe) &&
                       writeAndFlush(lastTemp, last.bytes, probe) && flushFolders({&lastTemp}, probe);
    if (!ready || !renameOver(firstTemp, first.path, probe)) {
        discardPairTemporaries(firstTemp, lastTemp, probe);
        return false;
    }
    // Committed. The commit is on disk before `last` moves; should a step fail from here,
    // `last`'s temporary file stays for settleFilePair to finish.
    return flushFolders({&first.path, &last.path}, probe) && renameOver(lastTemp, last.path, probe) &&
           flushFolders({&last.path}, probe);
}

std::string settleFilePair(const std::string& firstPath, const std::string& lastPath, const SaveProbe& probe) {
    const std::string firstTemp = savingPath(firstPath);
    const std::string lastTemp = savingPath(lastPath);
    if (isOurFile(lastTemp) && !exists(firstTemp)) {
        if (renameOver(lastTemp, lastPath, probe) && flushFolders({&lastPath}, probe)) return lastPath;
        return exists(lastTemp) ? lastTemp : lastPath;
    }
    discardPairTemporaries(firstTemp, lastTemp, probe);
    return lastPath;
}

}  // namespace mv52
