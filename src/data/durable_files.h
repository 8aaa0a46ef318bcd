#pragma once
// Saves that survive a crash or a power cut: a file is written beside its target, forced to
// disk, renamed over the target, and the folder is forced to disk after the rename. A pair of
// files that belong together (a data file and its channel file) gets one more rule, so that
// the pair on disk is always either the old one or the new one; see replaceFilePair and
// docs/architecture.md for why it holds.
//
// Saves respect what the user has: a symbolic link is saved through (the link stays, the
// file it points to gets the content), the target's permission bits, owner and group are
// kept where the saver may set them, a read-only file is refused, and a target that is not
// a regular file (a pipe, a device, a terminal) is written directly instead of being
// replaced. Every temporary name is unique to its save.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace mv52 {

struct FileContent {
    std::string path;
    std::span<const std::uint8_t> bytes;
};

// Why a file could not be read or written: the file or folder and the system's error number,
// or one of the reasons of our own below.
struct FileFailure {
    std::string path;
    int code = 0;
};
inline constexpr int kFailReadOnlyFile = -1;     // the file has no write permission at all
inline constexpr int kFailNoTemporaryFile = -2;  // the folder takes no new file (path is the folder)
inline constexpr int kFailOwnChannelFile = -3;   // a data file named so that it is its own channel file
inline constexpr int kFailBusy = -4;             // another program holds the pair (pair_lock.h)

// The moments at which a save changes what a crash would leave on disk.
enum class SaveStep {
    Written,        // a temporary file was written and closed (not yet forced to disk)
    Flushed,        // a file was forced to disk
    Renamed,        // a temporary file was renamed over its target
    Removed,        // a leftover temporary file was removed
    FolderFlushed,  // the folder's entries were forced to disk
};

// Called after each step; tests use it to stop a save part-way.
using SaveProbe = std::function<void(SaveStep step, const std::string& path)>;

// The temporary name of `path` that saves before unique names used; a leftover under it is
// still settled like any other.
std::string savingPath(const std::string& path);

// Replaces one file. False when any step fails, with the reason in `failure`; the target is
// then as before and the temporary file is gone.
bool replaceFile(const FileContent& file, const SaveProbe& probe = {}, FileFailure* failure = nullptr);

// Replaces two files that belong together. `first` is renamed into place first: that rename
// commits the save. Before it, the pair on disk is the old one; after it, `last` waits
// complete and flushed under its temporary name, and settleFilePair finishes the save. Any
// earlier save that was cut short is settled first. False when a step fails; before the
// commit both targets are then as before. The caller holds the pair's lock (pair_lock.h).
bool replaceFilePair(const FileContent& first, const FileContent& last, const SaveProbe& probe = {},
                     FileFailure* failure = nullptr);

// Whether a committed `last` waiting under a temporary name is fit to replace `last`.
using LeftoverCheck = std::function<bool(const std::string& temporaryPath)>;

struct SettleResult {
    std::string readPath;                // where `last` is to be read from
    std::vector<std::string> setAside;   // leftovers refused by the check, under their new names
};

// Completes or discards the pair saves that were cut short, as the next load or save finds
// them: `last`'s temporary file without `first`'s of the same save means the save was
// committed, so it is renamed into place when `accept` takes it (and set aside under a name
// of its own otherwise); any other temporary file of the pair belongs to an uncommitted save
// and is removed. Only under the pair's lock, so that no live save owns a leftover. When a
// committed save cannot be finished here (a read-only folder), `readPath` is its temporary
// file.
SettleResult settleFilePair(const std::string& firstPath, const std::string& lastPath,
                            const LeftoverCheck& accept = {}, const SaveProbe& probe = {});

// The file a save of `path` writes: `path` itself, or the file its symbolic links lead to.
// Empty, with the reason, when the links cannot be followed (a loop).
std::string saveTarget(const std::string& path, FileFailure* failure = nullptr);

}  // namespace mv52
