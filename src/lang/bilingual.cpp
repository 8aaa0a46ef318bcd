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

}  // namespace mv52
