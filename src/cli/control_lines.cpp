#include "cli/option_lines.h"

#include <ostream>

#include "document/control_row.h"
#include "options/option_controls.h"

namespace mv52::cli {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += (out.empty() ? "" : ", ") + t;
    return out;
}

}  // namespace

std::string optionLine(const ControlRow& row, const Document& doc) {
    return row.label(kEnglish) + "=" + shownItem(row, doc, kEnglish);
}

void printOptionLines(std::ostream& os, const Document& doc) {
    for (const ControlRow& row : optionControls()) os << optionLine(row, doc) << "\n";
}

std::string validLabels() {
    std::vector<std::string> labels;
    for (const ControlRow& row : optionControls()) labels.push_back(row.label(kEnglish));
    return joined(labels);
}

std::string validItems(const ControlRow& row, const Document& doc) {
    switch (row.kind) {
        case ControlKind::List: return joined(row.items(doc, kEnglish));
        case ControlKind::Check: return "on, off";
        case ControlKind::Text: return "a number";
    }
    return {};
}

}  // namespace mv52::cli
