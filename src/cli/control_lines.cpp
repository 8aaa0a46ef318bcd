#include "cli/control_lines.h"

#include <array>
#include <ostream>

#include "document/control_row.h"
#include "options/option_controls.h"
#include "tones/dtmf_controls.h"

namespace mv52::cli {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += (out.empty() ? "" : ", ") + t;
    return out;
}

// The tables get and set read, in the order `get` prints them.
std::array<const std::vector<ControlRow>*, 3> tables() {
    return {&optionControls(), &dtmfEncodeControls(), &dtmfMemoryControls()};
}

}  // namespace

const ControlRow* controlByLabel(std::string_view label) {
    for (const std::vector<ControlRow>* table : tables())
        for (const ControlRow& row : *table)
            if (row.label && row.label(kEnglish) == label) return &row;
    return nullptr;
}

std::string controlLine(const ControlRow& row, const Document& doc) {
    return row.label(kEnglish) + "=" + shownItem(row, doc, kEnglish);
}

void printOptionLines(std::ostream& os, const Document& doc) {
    for (const ControlRow& row : optionControls()) os << controlLine(row, doc) << "\n";
}

void printControlLines(std::ostream& os, const Document& doc) {
    for (const std::vector<ControlRow>* table : tables())
        for (const ControlRow& row : *table) os << controlLine(row, doc) << "\n";
}

std::string validLabels() {
    std::vector<std::string> labels;
    for (const ControlRow& row : optionControls()) labels.push_back(row.label(kEnglish));
    for (const ControlRow& row : dtmfEncodeControls()) labels.push_back(row.label(kEnglish));
    const std::vector<ControlRow>& memories = dtmfMemoryControls();
    labels.push_back(memories.front().label(kEnglish) + " to " + memories.back().label(kEnglish));
    return joined(labels);
}

std::string validItems(const ControlRow& row, const Document& doc) {
    switch (row.kind) {
        case ControlKind::List: return joined(row.items(doc, kEnglish));
        case ControlKind::Check: return "on, off";
        case ControlKind::Text: return row.takes;
    }
    return {};
}

}  // namespace mv52::cli
