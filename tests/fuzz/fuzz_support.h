#pragma once
// Pieces the fuzz targets share.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace mv52::fuzz {

// A private folder for this fuzzing process, removed when the process exits.
inline const std::filesystem::path& scratch() {
    // Never destroyed, so the exit handler can still use it.
    static const std::filesystem::path* const dir = [] {
        auto* d = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                            ("mv52-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*d / "Init");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratch(), ignored);
        });
        return d;
    }();
    return *dir;
}

}  // namespace mv52::fuzz
