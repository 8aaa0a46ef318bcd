#pragma once
// Whole-file reads. Writing goes through durable_files.h.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mv52 {

struct FileFailure;

// Up to `limit` bytes from the start of the file; nullopt, with the reason in `failure`, when
// it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t limit,
                                                        FileFailure* failure = nullptr);

}  // namespace mv52
