#include "platform/ini_profile_file.h"

#include <fstream>
#include <sstream>

#include "data/native_files.h"

namespace mv52 {
namespace {

std::optional<std::string> slurp(const std::string& path) {
    std::ifstream in(native::toPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string IniProfileFile::read(const std::string& path, std::string_view section,
                                 std::string_view key, std::string_view fallback,
                                 std::size_t maxChars) const {
    return profileRead(slurp(path), section, key, fallback, maxChars);
}

bool IniProfileFile::write(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value) {
    const std::string updated = profileUpdate(slurp(path).value_or(""), section, key, value);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(updated.data());
    return replaceFile({path, std::span<const std::uint8_t>(bytes, updated.size())}, probe_);
}

}  // namespace mv52
