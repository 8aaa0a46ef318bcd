#include "data/native_files.h"
#include "memory_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>


#include "storage/codec.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "radio_protocol.h"

namespace mv52::sim {

std::vector<std::uint8_t> factoryMemory() {
    auto ws = Workspace::create();
    // No program folder: the built-in defaults alone, whatever is installed next to us.
    buildStartupDocument(*ws, todayDateStamp(), "/nonexistent");
    ws->image.preTransferFill();
    encodeDocument(*ws);
    const auto bytes = ws->image.bytes();
    return {bytes.begin(), bytes.begin() + kMemorySize};
}

bool loadMemoryImage(const std::string& path, std::vector<std::uint8_t>& memory, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = path + ": read error";
        return false;
    }
    if (bytes.size() != kMemorySize && bytes.size() != kMemorySize + 1) {
        error = path + ": expected a memory image of 23744 or 23745 bytes, found " + std::to_string(bytes.size());
        return false;
    }
    bytes.resize(kMemorySize);
    memory = std::move(bytes);
    return true;
}

bool saveMemoryImage(const std::string& path, std::span<const std::uint8_t> memory, std::string& error) {
    const std::string temp = path + ".tmp" + std::to_string(mv52::native::processId());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = temp + ": " + std::strerror(errno);
            return false;
        }
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        out.close();
        if (!out) {
            error = temp + ": write error";
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace mv52::sim
