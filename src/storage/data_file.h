#pragma once
// The data file pair: the data file (the document header) and its channel file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/durable_files.h"
#include "lang/language.h"

namespace mv52 {

struct Workspace;
struct VersionTable;

// Busy: another program held the pair's lock for the whole wait (pair_lock.h).
enum class LoadStatus { Ok, UnknownVersion, IncompatibleVersion, WrongLength, FileError, Busy };

struct LoadResult {
    LoadResult() = default;
    LoadResult(LoadStatus s, std::string version) : status(s), fileVersion(std::move(version)) {}
    LoadStatus status = LoadStatus::Ok;
    std::string fileVersion;  // the file's version text, for the incompatible-version question
    FileFailure failure;      // for FileError and Busy: the file and the cause
    // Said on a successful load: channel records the channel file lacked (left empty), and
    // leftovers of an interrupted save that were not fit to finish it and were set aside.
    int missingChannels = 0;
    std::string channelPath;
    std::vector<std::string> setAside;
    bool ok() const { return status == LoadStatus::Ok; }
};

// The text the user is shown for a refused load ("" for Ok).
std::string loadResultMessage(const LoadResult& result, LanguageIndex language);
// What a refused load's message leaves out: the file and the system's reason ("" when none).
std::string loadResultDetail(const LoadResult& result, LanguageIndex language);
// The warnings of a successful load, one per line ("" when none).
std::string loadWarnings(const LoadResult& result, LanguageIndex language);

// The data file's full path with its last three characters replaced by "fre".
std::string channelFilePath(std::string_view dataFilePath);

// Replaces the document with the pair; on any refusal the document is left unchanged. On
// success the document is titled with `path`. A save of this pair that was cut short is
// completed or discarded first, so the pair read is always a whole one.
LoadResult loadDataFile(Workspace& ws, const std::string& path, const VersionTable& versions);

// The pair as bytes in memory, as loadDataFile reads it from disk: the data file up to one byte
// past its format (so that a longer file shows) and the channel file up to the most records the
// count table can ask for. Loading checks the same as loadDataFile and leaves the document
// untouched on a refusal, but neither titles the document nor settles an interrupted save:
// those belong to the files.
LoadResult loadDataFileBytes(Workspace& ws, std::span<const std::uint8_t> dataFile,
                             std::span<const std::uint8_t> channelFile, const VersionTable& versions);

// How much of each file the loaders read.
std::size_t dataFileReadLimit();
std::size_t channelFileReadLimit();

// Takes the saved copy and writes both files, crash-safe (durable_files.h), under the pair's
// lock; false ("file error.", the cause in `failure`) when either cannot be written, in which
// case the saved copy is as before.
bool saveDataFile(Workspace& ws, const std::string& path, const SaveProbe& probe = {},
                  FileFailure* failure = nullptr);

// Writes the pair Save would write at this moment, without touching the workspace: its saved
// copy, file name and title stay as they are. For backups.
bool saveDataFileCopy(const Workspace& ws, const std::string& path, FileFailure* failure = nullptr);

// What identifies the pair on disk: a save by anyone changes it. Compared to tell whether
// another program wrote the pair since this one loaded or saved it.
struct PairStamp {
    std::string text;
    bool operator==(const PairStamp&) const = default;
};
PairStamp pairStamp(const std::string& dataPath);

enum class InitialKind { New, Initial };
// <program folder>/Init/<band code>_LB2424_New.dat or ..._LB2424.dat.
std::string initialDataFilePath(const std::string& programFolder, std::string_view bandText,
                                InitialKind kind);
// Loads the initial data file without version or length checks; when it cannot be read the
// document keeps its content and the saved copy is taken. Returns whether it was read.
bool loadInitialDataFile(Workspace& ws, const std::string& programFolder, InitialKind kind);
// The same from bytes; false, with the saved copy taken, when the data file is shorter than its
// format or its counts are out of range.
bool loadInitialDataFileBytes(Workspace& ws, std::span<const std::uint8_t> dataFile,
                              std::span<const std::uint8_t> channelFile);

// Stamps the radio information and version, limits impossible counts, and copies the current
// document to the saved copy.
void takeSavedCopy(Workspace& ws);

// True when the current document differs from the saved copy in a compared field.
bool documentChanged(const Workspace& ws);

// The data-file version check: exactly 4 characters after cleaning, "V" and a number.
bool isDataFileVersion(std::string_view text);

}  // namespace mv52
