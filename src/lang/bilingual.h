#pragma once
// The building blocks of every bilingual table: one text per language, keyed tables whose
// keys are checked against their position at compile time, and generated numeric lists.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"

namespace mv52 {

// One entry of a bilingual table. Any language other than Chinese reads the English column,
// so a stray stored value never leaves a caption empty.
struct BilingualText {
    std::string_view english;
    std::string_view chinese;

    constexpr std::string_view in(LanguageIndex language) const {
        return language == LanguageIndex::Chinese ? chinese : english;
    }
};

// An entry whose text is the same in both languages.
constexpr BilingualText sameText(std::string_view text) { return {text, text}; }

template <typename Key>
struct KeyedText {
    Key key;
    BilingualText text;
};

// True when entry i of the table carries the key whose value is i, so that a lookup by
// index can never return another key's text.
template <typename Key, std::size_t N>
constexpr bool keysInOrder(const std::array<KeyedText<Key>, N>& table) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(table[i].key) != i) return false;
    return true;
}

template <typename Key, std::size_t N>
std::string lookupText(const std::array<KeyedText<Key>, N>& table, Key key, LanguageIndex language) {
    const auto i = static_cast<std::size_t>(key);
    if (i >= N) return {};
    return std::string(table[i].text.in(language));
}

// The texts of a fixed list in one language.
std::vector<std::string> listIn(const BilingualText* first, std::size_t count, LanguageIndex language);

template <std::size_t N>
std::vector<std::string> listIn(const std::array<BilingualText, N>& items, LanguageIndex language) {
    return listIn(items.data(), N, language);
}

// "first", "first + step", ... up to and including `last`, each followed by `suffix`.
std::vector<std::string> numberItems(int first, int last, int step = 1, std::string_view suffix = {});

// `head` followed by `rest`: the lists that begin with an "Off" or "None" item.
std::vector<std::string> prepend(std::string head, std::vector<std::string> rest);

// Replaces each "%n" (n from 1 to 9) of `text` by the n-th argument, in one pass, so an
// argument that holds "%2" stays as it is.
std::string substitute(std::string_view text, std::initializer_list<std::string_view> args);

// A caption as a sentence or an assistive technology names it: "Save &As" gives "Save As",
// "打印(&P)" gives "打印".
std::string withoutAccessKey(std::string_view caption);

}  // namespace mv52
