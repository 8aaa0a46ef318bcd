#include "lang/bilingual.h"

#include <utility>

namespace mv52 {

std::vector<std::string> listIn(const BilingualText* first, std::size_t count, LanguageIndex language) {
    std::vector<std::string> items;
    items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) items.emplace_back(first[i].in(language));
    return items;
}

std::vector<std::string> numberItems(int first, int last, int step, std::string_view suffix) {
    std::vector<std::string> items;
    if (step <= 0) return items;
    for (int n = first; n <= last; n += step) items.push_back(std::to_string(n) + std::string(suffix));
    return items;
}

std::vector<std::string> prepend(std::string head, std::vector<std::string> rest) {
    rest.insert(rest.begin(), std::move(head));
    return rest;
}

std::string substitute(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool mark = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto n = mark ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string withoutAccessKey(std::string_view caption) {
    std::string s(caption);
    // "(&N)" after a Chinese caption goes whole; elsewhere only the marker.
    for (std::size_t at = s.find("(&"); at != std::string::npos; at = s.find("(&", at))
        if (at + 3 < s.size() && s[at + 3] == ')')
            s.erase(at, 4);
        else
            ++at;
    std::erase(s, '&');
    const auto first = s.find_first_not_of(' ');
    const auto last = s.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

}  // namespace mv52
