#include "app/file_places.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "app/settings.h"
#include "data/durable_files.h"
#include "data/file_io.h"
#include "data/native_files.h"
#include "data/value_helpers.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSettingsLimit = 1 << 20;  // far beyond any settings file

bool ensureFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(native::toPath(folder), ec);
    return fs::is_directory(native::toPath(folder), ec);
}

// Copies the tree's settings to `target` unless the user already has a file there. The copy is
// complete and on disk before it takes the name, and it takes the name only if nothing else
// did meanwhile, so a second program starting at the same moment never replaces settings the
// first one has already written.
void seedSettings(const std::string& treeSettings, const std::string& target) {
    std::error_code ec;
    const fs::path targetPath = native::toPath(target);
    if (fs::exists(targetPath, ec) || ec) return;
    const auto bytes = readFilePrefix(treeSettings, kSettingsLimit);
    if (!bytes) return;  // no template: the first write creates the file with the defaults
    const std::string staged = target + ".seed";
    if (!replaceFile({staged, *bytes})) return;
    const fs::path stagedPath = native::toPath(staged);
    fs::create_hard_link(stagedPath, targetPath, ec);
    if (ec && !fs::exists(targetPath, ec)) {
        // A file system without links: a plain rename, which can only lose that narrow race.
        fs::rename(stagedPath, targetPath, ec);
    }
    fs::remove(stagedPath, ec);
}

}  // namespace

bool folderWritable(const std::string& folder) {
    std::random_device random;
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path probe =
        native::toPath(folder) / (".mv52-write-test-" + std::to_string(random()) + "-" + std::to_string(tick));
    const int fd = native::createExclusive(native::fromPath(probe));
    if (fd < 0) return false;
    native::closeFile(fd);
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

FilePlaces chooseFilePlaces(const std::string& programFolder, const UserFolders& user, const FolderCheck& writable) {
    const std::string treeSettings = settingsFilePath(programFolder);
    const FilePlaces tree{treeSettings, programFolder, false};

    std::error_code ec;
    const bool shared = fs::exists(native::toPath(installationFolder(programFolder)) / kSharedTreeMarker, ec);
    if (!shared && writable(programFolder) && writable(parentFolderOfPath(treeSettings))) return tree;
    if (user.config.empty() || user.logs.empty()) return tree;

    FilePlaces places{user.config + "/mysetup.ini", user.logs, true};
    if (ensureFolder(user.config)) seedSettings(treeSettings, places.settingsFile);
    ensureFolder(user.logs);
    return places;
}

}  // namespace mv52
