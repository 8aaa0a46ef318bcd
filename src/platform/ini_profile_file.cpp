#include "platform/ini_profile_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace mv52 {
namespace {

std::optional<std::string> slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string IniProfileFile::read(const std::string& path, std::string_view section,
                                 std::string_view key, std::string_view fallback,
                                 std::size_t maxChars) const {
    std::string value(fallback);
    if (auto text = slurp(path))
        if (auto found = profileLookup(*text, section, key)) value = *found;
    if (maxChars == 0) return {};
    if (value.size() > maxChars - 1) value.resize(maxChars - 1);
    return value;
}

bool IniProfileFile::write(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value) {
    const std::string updated = profileUpdate(slurp(path).value_or(""), section, key, value);
    // Write beside the file and rename, so that a failed write never truncates the settings.
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << updated;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (!ec) return true;
    std::filesystem::remove(temp, ec);
    return false;
}

}  // namespace mv52
