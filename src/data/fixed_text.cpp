#include "data/fixed_text.h"

namespace mv52 {

std::string cleanText(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    return std::string(text);
}

}  // namespace mv52
