#pragma once
// The folder each kind of file dialog last used, kept in the settings file so that the next
// dialog of that kind (also after a restart) opens there.

#include <string>

namespace mv52 {

class ProfileFile;

enum class FolderKind {
    DataFiles,  // the data file pair (*.dat)
    Exports,    // channel lists, configurations, WAV files, support bundles
    Pdfs,       // printed sheets
};

// The kind of a dialog by its filter's first pattern ("Data File (*.dat)|*.dat": DataFiles).
FolderKind folderKindOf(const std::string& filter);

// The stored folder of `kind`, or empty when none was stored.
std::string lastFolder(const ProfileFile& profiles, const std::string& settingsPath, FolderKind kind);
// Keeps `folder` for the next dialog of `kind`; false when the settings file cannot be written.
bool storeLastFolder(ProfileFile& profiles, const std::string& settingsPath, FolderKind kind, const std::string& folder);

}  // namespace mv52
