#include "data/file_io.h"

#include <filesystem>
#include <fstream>

namespace mv52 {
namespace {

namespace fs = std::filesystem;

bool writeFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

fs::path tempPathFor(const std::string& path) { return fs::path(path + ".saving"); }

}  // namespace

std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t limit) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool writeFilesReplacing(std::span<const FileContent> files) {
    bool ok = true;
    for (const FileContent& f : files) ok = ok && writeFile(tempPathFor(f.path), f.bytes);
    std::error_code ec;
    for (const FileContent& f : files)
        if (ok) {
            fs::rename(tempPathFor(f.path), f.path, ec);
            ok = !ec;
        }
    for (const FileContent& f : files) fs::remove(tempPathFor(f.path), ec);
    return ok;
}

}  // namespace mv52
