#include "data/fixed_text.h"

namespace mv52 {

std::string cleanText(std::string_view text) { return std::string(cleanView(text)); }

}  // namespace mv52
