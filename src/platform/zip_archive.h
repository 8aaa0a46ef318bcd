#pragma once
// Zip archives through the distribution's libzip.

#include <optional>
#include <string>
#include <vector>

#include "app/support_bundle.h"

namespace mv52 {

// Writes `files` as a new archive at `path` (an existing file is replaced only once the
// archive is complete); false with the library's reason otherwise.
bool writeZipArchive(const std::string& path, const std::vector<BundleFile>& files, std::string& error);

// The entries of an archive with their contents, in archive order; nullopt when it cannot be
// read.
std::optional<std::vector<BundleFile>> readZipArchive(const std::string& path);

}  // namespace mv52
