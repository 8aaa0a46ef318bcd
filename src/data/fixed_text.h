#pragma once
// A fixed-width single-byte text, as the data file and the radio hold it: left-aligned,
// padded with spaces, and a NUL ends its visible part.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mv52 {

// Trailing spaces removed, then everything from the first NUL on removed.
std::string cleanText(std::string_view text);
// The same as a view into `text`. Inline, with a plain loop: the texts are a few characters
// long and the codecs clean one per channel.
inline std::string_view cleanView(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\0') return text.substr(0, i);
    return text;
}

template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t size = N;

    FixedText() { chars_.fill(' '); }
    explicit FixedText(std::string_view text) { set(text); }

    // Stores `text`, cut to N characters and padded with spaces.
    void set(std::string_view text) {
        chars_.fill(' ');
        std::copy_n(text.begin(), std::min(text.size(), N), chars_.begin());
    }
    // All N characters, padding included.
    std::string raw() const { return std::string(chars_.begin(), chars_.end()); }
    // The visible part: trailing spaces and everything from the first NUL removed.
    std::string clean() const { return cleanText(raw()); }
    // The text up to its first NUL, trailing padding kept.
    std::string upToNul() const {
        auto end = std::find(chars_.begin(), chars_.end(), '\0');
        return std::string(chars_.begin(), end);
    }

    std::array<char, N>& bytes() { return chars_; }
    const std::array<char, N>& bytes() const { return chars_; }

    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> chars_{};
};

}  // namespace mv52
