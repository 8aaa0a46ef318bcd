// A control's tooltip and the note a number box gives when it did not keep what was typed.
// Both are made from the control's row, so every editor explains its controls the same way
// and a new row is explained without a text of its own.

#include <cmath>

#include "data/numeric.h"
#include "document/control_row.h"
#include "lang/bilingual.h"
#include "lang/control_tip_texts.h"

namespace mv52 {
namespace {

// A label as a sentence names it: without its access key and trailing colon.
std::string plainLabel(const ControlRow& row, LanguageIndex language) {
    std::string out = withoutAccessKey(row.label ? row.label(language) : row.objectName);
    for (std::string_view colon : {":", "："})
        if (out.ends_with(colon)) out.erase(out.size() - colon.size());
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

int decimalsOf(double step) {
    int digits = 0;
    while (digits < 6 && std::abs(step * std::pow(10.0, digits) - std::round(step * std::pow(10.0, digits))) > 1e-9)
        ++digits;
    return digits;
}

std::string listTip(const ControlRow& row, const Document& doc, LanguageIndex language, const std::string& label) {
    const std::vector<std::string> items = row.items(doc, language);
    if (items.empty()) return tipText(TipText::ListEmpty, language, {label});
    if (items.size() <= 4) {
        std::string all;
        for (const std::string& item : items) all += (all.empty() ? "" : text(TipText::Separator, language)) + item;
        return tipText(TipText::ListFew, language, {label, all});
    }
    return tipText(TipText::List, language, {label, std::to_string(items.size()), items.front(), items.back()});
}

}  // namespace

std::string controlTip(const ControlRow& row, const Document& doc, LanguageIndex language) {
    const std::string label = plainLabel(row, language);
    std::string tip;
    switch (row.kind) {
        case ControlKind::List: tip = listTip(row, doc, language, label); break;
        case ControlKind::Check: tip = tipText(TipText::Check, language, {label}); break;
        case ControlKind::Text:
            if (row.range) {
                const int digits = decimalsOf(row.range->step);
                tip = tipText(TipText::Number, language,
                              {label, formatFixed(row.range->low, digits), formatFixed(row.range->high, digits),
                               formatFixed(row.range->step, digits)});
            } else {
                tip = tipText(TipText::Text, language, {label, row.takes});
            }
            break;
    }
    if (row.note) {
        const std::string more = row.note(doc, language);
        if (!more.empty()) tip += (language == LanguageIndex::Chinese ? "" : " ") + more;
    }
    return tip;
}

std::string typedValueNote(const ControlRow& row, std::string_view typed, std::string_view stored,
                           LanguageIndex language) {
    if (row.kind != ControlKind::Text || !row.range || typed == stored) return {};
    const std::string label = plainLabel(row, language);
    const std::string typedText(typed);
    const std::string storedText(stored);
    const std::optional<double> n = parseNumber(typed);
    const std::optional<double> kept = parseNumber(stored);
    if (!n) return tipText(TipText::NotNumber, language, {label, typedText, storedText});
    const NumberRange& r = *row.range;
    const int digits = decimalsOf(r.step);
    if (*n > r.high) return tipText(TipText::Above, language, {label, typedText, formatFixed(r.high, digits), storedText});
    if (*n < r.low) return tipText(TipText::Below, language, {label, typedText, formatFixed(r.low, digits), storedText});
    if (!kept || std::abs(*kept - *n) < 1e-9) return {};
    if (std::abs(*kept - *n) < r.step) return tipText(TipText::Rounded, language, {label, typedText, formatFixed(r.step, digits), storedText});
    return tipText(TipText::Changed, language, {label, typedText, storedText});
}

}  // namespace mv52
