#pragma once
// Whole-file reads and writes that never leave a half-written file behind.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mv52 {

// Up to `limit` bytes from the start of the file; nullopt when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t limit);

struct FileContent {
    std::string path;
    std::span<const std::uint8_t> bytes;
};

// Writes every file beside its target first and renames them into place only when all are
// complete; on failure no target has been touched and false is returned.
bool writeFilesReplacing(std::span<const FileContent> files);

}  // namespace mv52
