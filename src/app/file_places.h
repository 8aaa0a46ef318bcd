#pragma once
// Where the files the program writes live: the settings file and the daily logs.
//
// A tree the user can write (a build's dist/ folder, a copy on a stick) keeps them where they
// always were: language/mysetup.ini above the program folder and the logs in the program
// folder. A shared installation (a package under /opt, "Program Files") cannot be written, so
// each user gets the files in their own folders instead, the settings seeded from the tree's
// copy on first use. What ships (the programs, Version.ini, the initial data files, the
// pictures) is always read from the tree.

#include <functional>
#include <string>

namespace mv52 {

// The per-user folders the platform names for this program (platform/user_folders); either may
// be empty where the system names none.
struct UserFolders {
    std::string config;  // the settings file goes here (~/.config/MV52)
    std::string logs;    // the daily logs go here (~/.local/state/MV52/logs)
};

struct FilePlaces {
    std::string settingsFile;
    std::string logFolder;
    bool perUser = false;  // false: both in the installation tree
};

// A file in the installation folder that makes the tree count as shared even for a user who
// could write it (root running a packaged copy must not leave files the package does not own).
inline constexpr const char* kSharedTreeMarker = "shared-installation";

// True when a file can be created in `folder` (tried, not guessed from permission bits: ACLs,
// read-only mounts and Windows' protected folders all answer truthfully).
bool folderWritable(const std::string& folder);

using FolderCheck = std::function<bool(const std::string& folder)>;

// The rule: the tree's own files when the program folder and the settings folder can be
// written and the tree is not marked as shared; otherwise `user`'s folders, created as needed,
// with the settings file copied from the tree's mysetup.ini when the user has none yet. Where
// the system names no per-user folder the tree's paths stand.
FilePlaces chooseFilePlaces(const std::string& programFolder, const UserFolders& user,
                            const FolderCheck& writable = folderWritable);

}  // namespace mv52
