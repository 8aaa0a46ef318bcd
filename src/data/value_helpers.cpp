#include "data/value_helpers.h"

#include <algorithm>
#include <array>

#include "data/groups.h"
#include "data/numeric.h"

namespace mv52 {

std::string groupLetter(int workMode, int group) {
    if (workMode != 0 && workMode != 1) return "A";
    if (group == memGroup(workMode)) return "MEM";
    if (group == vfoGroup(workMode)) return "VFO";
    if (group >= 1 && group < memGroup(workMode)) return std::string(1, static_cast<char>('A' + group - 1));
    return "A";
}

int groupFromLetter(int workMode, std::string_view letter) {
    if (workMode != 0 && workMode != 1) return 0;
    for (int g = 1; g <= groupCount(workMode); ++g)
        if (groupLetter(workMode, g) == letter) return g;
    return 0;
}

std::string dtmfCodeToChar(int code) {
    if (code == 14) return "*";
    if (code == 15) return "#";
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (code >= 0 && code < 16) return std::string(1, kHex[code]);
    std::string out;
    for (unsigned v = static_cast<unsigned>(code); v != 0; v >>= 4) out.insert(out.begin(), kHex[v & 15u]);
    return out;
}

std::uint8_t dtmfCharToCode(std::string_view text) {
    if (text.empty()) return 16;
    const char c = text.front();
    if (c == '#') return 15;
    if (c == '*') return 14;
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
    return 16;
}

std::string fileNameOfPath(std::string_view path) {
    const auto sep = path.find_last_of("\\/");
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string parentFolderOfPath(std::string_view path) {
    const auto sep = path.find_last_of("\\/");
    if (sep == std::string_view::npos || sep == 0) return std::string(path);
    return std::string(path.substr(0, sep));
}

int listIndexByText(const std::vector<std::string>& items, std::string_view text) {
    if (items.empty()) return -1;
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? 0 : static_cast<int>(it - items.begin());
}

int listIndexByIndex(const std::vector<std::string>& items, int index) {
    if (items.empty()) return -1;
    return index >= 0 && index < static_cast<int>(items.size()) ? index : 0;
}

}  // namespace mv52
