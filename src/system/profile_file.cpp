#include "system/profile_file.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace mv52 {
namespace {

std::string_view trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, eq));
}

std::string valueOf(std::string_view line) {
    std::string_view v = trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    const auto nul = v.find('\0');
    if (nul != std::string_view::npos) v = trim(v.substr(0, nul));
    return std::string(v);
}

}  // namespace

std::optional<std::string> profileLookup(std::string_view fileText, std::string_view section,
                                         std::string_view key) {
    bool inSection = false;
    for (std::string_view line : splitLines(fileText)) {
        if (auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto k = keyName(line); k && sameName(*k, key)) return valueOf(line);
    }
    return std::nullopt;
}

std::string profileRead(const std::optional<std::string>& fileText, std::string_view section, std::string_view key,
                        std::string_view fallback, std::size_t maxChars) {
    if (maxChars == 0) return {};
    std::string value(fallback);
    if (fileText)
        if (auto found = profileLookup(*fileText, section, key)) value = std::move(*found);
    if (value.size() > maxChars - 1) value.resize(maxChars - 1);
    return value;
}

std::string profileUpdate(std::string_view fileText, std::string_view section, std::string_view key,
                          std::string_view value) {
    const std::string eol = fileText.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::vector<std::string> lines;
    for (std::string_view l : splitLines(fileText)) lines.emplace_back(l);
    const std::string entry = std::string(key) + "=" + std::string(value);

    // The first section of that name counts, as for reading.
    std::size_t header = lines.size();
    for (std::size_t i = 0; i < lines.size() && header == lines.size(); ++i)
        if (auto name = sectionName(lines[i]); name && sameName(*name, section)) header = i;

    if (header == lines.size()) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else {
        std::size_t insertAt = header + 1;
        bool replaced = false;
        for (std::size_t i = header + 1; i < lines.size() && !sectionName(lines[i]); ++i) {
            if (auto k = keyName(lines[i]); k && sameName(*k, key)) {
                lines[i] = entry;
                replaced = true;
                break;
            }
            if (!trim(lines[i]).empty()) insertAt = i + 1;
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }
    std::string out;
    for (const auto& l : lines) out += l + eol;
    return out;
}

}  // namespace mv52
