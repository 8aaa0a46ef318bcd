#pragma once
// The optional-features window as text: "LABEL=ITEM" lines, with the English label and the
// item exactly as the window shows them (`TOT=90s`, `Max=20.0`, `SWR Protect=on`).

#include <iosfwd>
#include <string>

namespace mv52 {
struct ControlRow;
struct Document;
}  // namespace mv52

namespace mv52::cli {

std::string optionLine(const ControlRow& row, const Document& doc);

// Every control, in the window's order.
void printOptionLines(std::ostream& os, const Document& doc);

// "a, b, c": the labels, or a list's items, for a usage message.
std::string validLabels();
std::string validItems(const ControlRow& row, const Document& doc);

}  // namespace mv52::cli
