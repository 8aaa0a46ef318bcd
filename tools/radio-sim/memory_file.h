#pragma once
// Where the radio's memory comes from and goes to.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mv52::sim {

// A radio fresh from the factory: the program's start-up document, encoded over the
// pre-transfer fill, as the program would write it.
std::vector<std::uint8_t> factoryMemory();

// Reads a memory image of 23744 bytes, or 23745 (the radio image with its extra last byte,
// which never goes over the link). On failure returns false and a one-line reason.
bool loadMemoryImage(const std::string& path, std::vector<std::uint8_t>& memory, std::string& error);

// Writes the memory through a temporary file and a rename, so that a reader never sees a
// half-written image.
bool saveMemoryImage(const std::string& path, std::span<const std::uint8_t> memory, std::string& error);

}  // namespace mv52::sim
