#pragma once
// What the support bundle holds: the last seven daily logs, the settings and version files,
// the port list, what program, toolkit and system this is, and, when asked for, the data file
// pair. The archive itself is written by the caller.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace mv52 {

struct BundleFile {
    std::string name;  // the path inside the archive
    std::string bytes;
    bool operator==(const BundleFile&) const = default;
};

struct SupportFacts {
    std::string programVersion;
    std::string toolkitVersion;  // "Qt 6.4.2"
    std::string system;          // the operating system and its kernel
    std::vector<std::string> portLines;  // as `mv52ctl ports` prints them
};

inline constexpr std::size_t kBundledLogs = 7;
// Daily logs are cut to their last bytes beyond this size, so a bundle stays small enough to
// send by mail.
inline constexpr std::size_t kBundledLogLimit = 8 * 1024 * 1024;

// `settingsPath` and `versionPath` are the installation's files, `logFolder` holds the daily
// logs; `dataFile` the .dat of a pair to include (its .fre goes with it). Files that cannot be
// read are named in "missing.txt" rather than failing the bundle.
std::vector<BundleFile> supportBundleFiles(const std::string& programFolder, const std::string& logFolder,
                                           const std::string& settingsPath,
                                           const std::string& versionPath, const SupportFacts& facts,
                                           const std::optional<std::string>& dataFile);

}  // namespace mv52
