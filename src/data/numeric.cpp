#include "data/numeric.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cctype>

namespace mv52 {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back())) t.remove_suffix(1);
    return t;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isNumeric(std::string_view text) {
    std::string_view t = trimBlanks(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != t.size()) return false;
    return parseNumber(text).has_value();
}

std::optional<double> parseNumber(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    // from_chars does not take a leading "." ; give it the "0" a user would leave out.
    std::string buffer;
    if (t.front() == '.' || (t.size() > 1 && t.front() == '-' && t[1] == '.')) {
        buffer.assign(t);
        buffer.insert(t.front() == '-' ? 1 : 0, "0");
        t = buffer;
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc{} || ptr != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool isDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!isDigit(c)) return false;
    return true;
}

std::string formatFixed(double value, int digits) {
    std::array<char, 64> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::fixed, digits);
    if (ec != std::errc{}) return {};
    std::string out(buf.data(), ptr);
    if (out.size() > 1 && out[0] == '-' && out.find_first_not_of("-0.") == std::string::npos)
        out.erase(0, 1);  // no "-0.00000"
    return out;
}

std::string formatShortest(double value) {
    std::array<char, 64> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    if (ec != std::errc{}) return {};
    return std::string(buf.data(), ptr);
}

std::int16_t numberFromText(std::string_view text, std::int16_t fallback) {
    if (!isNumeric(text)) return fallback;
    const double v = std::nearbyint(*parseNumber(text));
    if (v < -32768.0 || v > 32767.0) return fallback;
    return static_cast<std::int16_t>(v);
}

}  // namespace mv52
