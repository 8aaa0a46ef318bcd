#include "app/dialog_folders.h"

#include <algorithm>
#include <cctype>

#include "system/profile_file.h"

namespace mv52 {
namespace {

// A section of our own, beside the settings the program has always kept.
constexpr const char* kFolderSection = "folders";

const char* keyOf(FolderKind kind) {
    switch (kind) {
        case FolderKind::DataFiles: return "DataFiles";
        case FolderKind::Exports: return "Exports";
        case FolderKind::Pdfs: return "Pdfs";
    }
    return "Exports";
}

}  // namespace

FolderKind folderKindOf(const std::string& filter) {
    const std::size_t bar = filter.find('|');
    std::string pattern = bar == std::string::npos ? filter : filter.substr(bar + 1);
    pattern = pattern.substr(0, pattern.find_first_of(";|"));
    std::transform(pattern.begin(), pattern.end(), pattern.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (pattern.find("*.dat") != std::string::npos) return FolderKind::DataFiles;
    if (pattern.find("*.pdf") != std::string::npos) return FolderKind::Pdfs;
    return FolderKind::Exports;
}

std::string lastFolder(const ProfileFile& profiles, const std::string& settingsPath, FolderKind kind) {
    return profiles.read(settingsPath, kFolderSection, keyOf(kind), "", 4096);
}

bool storeLastFolder(ProfileFile& profiles, const std::string& settingsPath, FolderKind kind, const std::string& folder) {
    return profiles.write(settingsPath, kFolderSection, keyOf(kind), folder);
}

}  // namespace mv52
