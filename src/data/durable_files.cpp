#include "data/durable_files.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <random>
#include <set>

#include "data/native_files.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSavingSuffix = ".saving";

void report(const SaveProbe& probe, SaveStep step, const std::string& path) {
    if (probe) probe(step, path);
}

void fail(FileFailure* failure, const std::string& path, int code) {
    if (failure != nullptr && failure->code == 0) *failure = {path, code};
}

std::string folderOf(const std::string& path) {
    const fs::path parent = native::toPath(path).parent_path();
    return parent.empty() ? std::string(".") : native::fromPath(parent);
}

std::string nameOf(const std::string& path) { return native::fromPath(native::toPath(path).filename()); }

// Forces the folder entries (names created, renamed, removed) to disk.
bool flushFolder(const std::string& folder, const SaveProbe& probe, FileFailure* failure) {
    if (!native::flushFolder(folder)) {
        fail(failure, folder, errno);
        return false;
    }
    report(probe, SaveStep::FolderFlushed, folder);
    return true;
}

bool flushFolders(std::initializer_list<const std::string*> paths, const SaveProbe& probe,
                  FileFailure* failure = nullptr) {
    std::set<std::string> folders;
    for (const std::string* p : paths) folders.insert(folderOf(*p));
    for (const std::string& f : folders)
        if (!flushFolder(f, probe, failure)) return false;
    return true;
}

// What a save keeps of the file it replaces.
struct Keep {
    bool exists = false;
    native::Ownership ownership;
};

// Creates `temp` (it must not exist), gives it what `keep` holds, writes the bytes and forces
// them to disk.
// A failure is reported on `target`, the file the user named, or on its folder.
bool writeTemporary(const std::string& temp, const std::string& target, const Keep& keep,
                    std::span<const std::uint8_t> bytes, const SaveProbe& probe, FileFailure* failure) {
    const int fd = native::createExclusive(temp);
    if (fd < 0) {
        const int code = errno;
        // The folder's own refusal (no write permission, read-only file system) is named as
        // such: the file being saved may well be writable.
        if (code == EACCES || code == EPERM || code == EROFS)
            fail(failure, folderOf(temp), code == EROFS ? EROFS : kFailNoTemporaryFile);
        else
            fail(failure, target, code);
        return false;
    }
    if (keep.exists) native::keepOwnership(fd, keep.ownership);
    bool ok = native::writeAll(fd, bytes);
    if (ok) report(probe, SaveStep::Written, temp);
    ok = ok && native::flushFile(fd);
    if (!ok) fail(failure, target, errno);
    if (!native::closeFile(fd) && ok) {
        fail(failure, target, errno);
        ok = false;
    }
    if (ok) report(probe, SaveStep::Flushed, temp);
    return ok;
}

bool renameOver(const std::string& from, const std::string& to, const SaveProbe& probe,
                FileFailure* failure = nullptr) {
    if (!native::renameOver(from, to)) {
        fail(failure, to, errno);
        return false;
    }
    report(probe, SaveStep::Renamed, to);
    return true;
}

// Only files this module wrote are removed: a folder or link under a temporary name is not ours.
bool isOurFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(native::toPath(path), ec));
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(native::toPath(path), ec));
}

void removeTemporary(const std::string& path, const SaveProbe& probe) {
    std::error_code ec;
    if (isOurFile(path) && fs::remove(native::toPath(path), ec)) report(probe, SaveStep::Removed, path);
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

// A name no other save uses: the process and a random number, in hexadecimal (no dot, so a
// leftover's save is told from its name alone).
std::string uniqueToken() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    char text[40];
    std::snprintf(text, sizeof text, "%lx-%x%x", native::processId(), seed, counter.fetch_add(1));
    return text;
}

// Whether the save that named a temporary file may still be running: its process is another
// one and exists. Such a file is never touched.
bool ownedByLiveSave(const std::string& token) {
    const unsigned long pid = std::strtoul(token.c_str(), nullptr, 16);
    if (pid == 0 || pid == native::processId()) return false;
    return native::processMayRun(pid);
}

// `path`.<token>.saving; the token "" is the name of earlier versions, `path`.saving.
std::string temporaryPath(const std::string& path, const std::string& token) {
    return token.empty() ? savingPath(path) : path + "." + token + std::string(kSavingSuffix);
}

// The tokens of the temporary files of `path` in its folder.
std::set<std::string> leftoverTokens(const std::string& path) {
    std::set<std::string> tokens;
    const std::string prefix = nameOf(path) + ".";
    std::error_code ec;
    const std::string legacy = nameOf(savingPath(path));
    for (fs::directory_iterator it(native::toPath(folderOf(path)), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = native::fromPath(it->path().filename());
        if (name == legacy) {
            tokens.insert("");
            continue;
        }
        if (name.size() <= prefix.size() + kSavingSuffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - kSavingSuffix.size(), kSavingSuffix.size(), kSavingSuffix) != 0)
            continue;
        const std::string token = name.substr(prefix.size(), name.size() - prefix.size() - kSavingSuffix.size());
        if (std::all_of(token.begin(), token.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) || c == '-'; }) &&
            !ownedByLiveSave(token))
            tokens.insert(token);
    }
    return tokens;
}

// A name beside `path` that nothing has yet.
std::string setAsideName(const std::string& path) {
    for (int n = 1;; ++n) {
        const std::string candidate = path + ".set-aside" + (n == 1 ? "" : "-" + std::to_string(n));
        if (!exists(candidate)) return candidate;
    }
}

// Where a save of `path` goes, and how.
struct Target {
    std::string path;    // the file to replace (links followed)
    bool direct = false; // not a regular file: written through, never replaced
    Keep keep;
};

std::optional<Target> prepareTarget(const std::string& path, FileFailure* failure) {
    native::FileFacts facts;
    if (native::fileFacts(path, true, facts) && facts.kind != native::FileFacts::Kind::Missing &&
        facts.kind != native::FileFacts::Kind::Regular) {
        if (facts.kind == native::FileFacts::Kind::Folder) {
            fail(failure, path, EISDIR);
            return std::nullopt;
        }
        return Target{path, true, {}};
    }
    Target target;
    target.path = saveTarget(path, failure);
    if (target.path.empty()) return std::nullopt;
    if (!native::fileFacts(target.path, false, facts)) {
        fail(failure, target.path, errno);
        return std::nullopt;
    }
    if (facts.kind == native::FileFacts::Kind::Missing) return target;  // a new file
    target.keep = {true, facts.ownership};
    if (facts.readOnly) {
        fail(failure, target.path, kFailReadOnlyFile);
        return std::nullopt;
    }
    if (!native::mayWrite(target.path)) {
        fail(failure, target.path, errno);
        return std::nullopt;
    }
    return target;
}

// Writes a file that is not replaced (a pipe, a device): no temporary file, no rename.
bool writeDirect(const std::string& path, std::span<const std::uint8_t> bytes, FileFailure* failure) {
    const int fd = native::openToWrite(path);
    if (fd < 0) {
        fail(failure, path, errno);
        return false;
    }
    const bool ok = native::writeAll(fd, bytes);
    if (!ok) fail(failure, path, errno);
    native::closeFile(fd);
    return ok;
}

}  // namespace

std::string savingPath(const std::string& path) { return path + std::string(kSavingSuffix); }

std::string saveTarget(const std::string& path, FileFailure* failure) {
    fs::path current = native::toPath(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) return native::fromPath(current);
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            fail(failure, native::fromPath(current), ec.value());
            return {};
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    fail(failure, path, ELOOP);
    return {};
}

bool replaceFile(const FileContent& file, const SaveProbe& probe, FileFailure* failure) {
    const auto target = prepareTarget(file.path, failure);
    if (!target) return false;
    if (target->direct) return writeDirect(target->path, file.bytes, failure);
    const std::string temp = temporaryPath(target->path, uniqueToken());
    if (!writeTemporary(temp, target->path, target->keep, file.bytes, probe, failure) ||
        !renameOver(temp, target->path, probe, failure)) {
        removeTemporary(temp, probe);
        return false;
    }
    if (!flushFolders({&target->path}, probe, failure)) return false;
    // A single file has no commit to finish: what saves cut short left is only in the way.
    for (const std::string& token : leftoverTokens(target->path)) removeTemporary(temporaryPath(target->path, token), probe);
    return true;
}

bool replaceFilePair(const FileContent& first, const FileContent& last, const SaveProbe& probe, FileFailure* failure) {
    const auto firstTarget = prepareTarget(first.path, failure);
    const auto lastTarget = firstTarget ? prepareTarget(last.path, failure) : std::nullopt;
    if (!lastTarget) return false;
    // A pipe or a device cannot take part in the commit; each file is then written as it alone
    // would be.
    if (firstTarget->direct || lastTarget->direct)
        return replaceFile(first, probe, failure) && replaceFile(last, probe, failure);
    const SettleResult settled = settleFilePair(firstTarget->path, lastTarget->path, {}, probe);
    if (settled.readPath != lastTarget->path) {
        fail(failure, settled.readPath, EEXIST);
        return false;
    }
    const std::string token = uniqueToken();
    const std::string firstTemp = temporaryPath(firstTarget->path, token);
    const std::string lastTemp = temporaryPath(lastTarget->path, token);
    // `first`'s temporary file is on disk, name and all, before `last`'s exists, and both are
    // before the commit.
    const bool ready = writeTemporary(firstTemp, firstTarget->path, firstTarget->keep, first.bytes, probe, failure) &&
                       flushFolders({&firstTemp}, probe, failure) &&
                       writeTemporary(lastTemp, lastTarget->path, lastTarget->keep, last.bytes, probe, failure) &&
                       flushFolders({&lastTemp}, probe, failure);
    if (!ready || !renameOver(firstTemp, firstTarget->path, probe, failure)) {
        discardPairTemporaries(firstTemp, lastTemp, probe);
        return false;
    }
    // Committed. The commit is on disk before `last` moves; should a step fail from here,
    // `last`'s temporary file stays for settleFilePair to finish.
    return flushFolders({&firstTarget->path, &lastTarget->path}, probe, failure) &&
           renameOver(lastTemp, lastTarget->path, probe, failure) && flushFolders({&lastTarget->path}, probe, failure);
}

SettleResult settleFilePair(const std::string& firstPath, const std::string& lastPath, const LeftoverCheck& accept,
                            const SaveProbe& probe) {
    SettleResult result{lastPath, {}};
    for (const std::string& token : leftoverTokens(lastPath)) {
        const std::string firstTemp = temporaryPath(firstPath, token);
        const std::string lastTemp = temporaryPath(lastPath, token);
        if (!isOurFile(lastTemp) || exists(firstTemp)) continue;
        // Committed: `first` is already the new file. A leftover that is not a data file we
        // can load (a stray copy, an older version's file) never takes the place of `last`.
        if (accept && !accept(lastTemp)) {
            const std::string aside = setAsideName(lastTemp);
            if (renameOver(lastTemp, aside, probe)) result.setAside.push_back(aside);
            continue;
        }
        if (renameOver(lastTemp, lastPath, probe) && flushFolders({&lastPath}, probe)) continue;
        if (exists(lastTemp)) result.readPath = lastTemp;
    }
    std::set<std::string> tokens = leftoverTokens(lastPath);
    tokens.merge(leftoverTokens(firstPath));
    for (const std::string& token : tokens)
        if (result.readPath != temporaryPath(lastPath, token))
            discardPairTemporaries(temporaryPath(firstPath, token), temporaryPath(lastPath, token), probe);
    return result;
}

}  // namespace mv52
