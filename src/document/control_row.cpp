#include "document/control_row.h"

#include <algorithm>
#include <cctype>

namespace mv52 {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

const ControlRow* findControl(const std::vector<ControlRow>& rows, std::string_view objectName) {
    for (const ControlRow& row : rows)
        if (row.objectName == objectName) return &row;
    return nullptr;
}

std::string shownItem(const ControlRow& row, const Document& doc, LanguageIndex language) {
    switch (row.kind) {
        case ControlKind::Text: return row.shownText(doc);
        case ControlKind::Check: return row.shown(doc, {}) != 0 ? "on" : "off";
        case ControlKind::List: {
            const std::vector<std::string> items = row.items(doc, language);
            const int p = row.shown(doc, items);
            return p >= 0 && p < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(p)] : std::string();
        }
    }
    return {};
}

bool applyItem(const ControlRow& row, Document& doc, std::string_view item, LanguageIndex language,
               unsigned* effects) {
    ControlChoice choice{0, std::string(item)};
    switch (row.kind) {
        case ControlKind::Text:
            if (row.accepts && !row.accepts(item)) return false;
            break;
        case ControlKind::Check:
            if (sameIgnoringCase(item, "on"))
                choice.position = 1;
            else if (!sameIgnoringCase(item, "off"))
                return false;
            break;
        case ControlKind::List: {
            const std::vector<std::string> items = row.items(doc, language);
            auto it = std::find(items.begin(), items.end(), item);
            if (it == items.end())
                it = std::find_if(items.begin(), items.end(), [&](const std::string& s) { return sameIgnoringCase(s, item); });
            if (it == items.end()) return false;
            choice.position = static_cast<int>(it - items.begin());
            choice.text = *it;
            break;
        }
    }
    const unsigned done = row.write(doc, choice);
    if (effects != nullptr) *effects |= done;
    return true;
}

}  // namespace mv52
