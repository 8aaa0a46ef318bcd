#pragma once
// Saves that survive a crash or a power cut: a file is written beside its target, forced to
// disk, renamed over the target, and the folder is forced to disk after the rename. A pair of
// files that belong together (a data file and its channel file) gets one more rule, so that
// the pair on disk is always either the old one or the new one; see replaceFilePair and
// docs/architecture.md for why it holds.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace mv52 {

struct FileContent {
    std::string path;
    std::span<const std::uint8_t> bytes;
};

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

// The name a file is written under before it replaces `path`.
std::string savingPath(const std::string& path);

// Replaces one file. False when any step fails; the target is then as before and the
// temporary file is gone.
bool replaceFile(const FileContent& file, const SaveProbe& probe = {});

// Replaces two files that belong together. `first` is renamed into place first: that rename
// commits the save. Before it, the pair on disk is the old one; after it, `last` waits
// complete and flushed under its temporary name, and settleFilePair finishes the save. Any
// earlier save that was cut short is settled first. False when a step fails; before the
// commit both targets are then as before.
bool replaceFilePair(const FileContent& first, const FileContent& last, const SaveProbe& probe = {});

// Completes or discards a pair save that was cut short, as the next load or save finds it:
// `last`'s temporary file without `first`'s means the save was committed, so it is renamed
// into place; any other temporary file of the pair belongs to an uncommitted save and is
// removed. Returns the path `last` is to be read from: its own, or its temporary file when
// a committed save cannot be finished here (a read-only folder).
std::string settleFilePair(const std::string& firstPath, const std::string& lastPath, const SaveProbe& probe = {});

}  // namespace mv52
