#pragma once
// Pieces the fuzz targets share.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace mv52::fuzz {

// A private folder for this fuzzing process.
inline const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("mv52-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d / "Init");
        return d;
    }();
    return dir;
}

}  // namespace mv52::fuzz
