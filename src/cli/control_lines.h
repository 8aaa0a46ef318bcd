#pragma once
// The editor windows as text: "LABEL=ITEM" lines, with the English label and the item exactly
// as the window shows it (`TOT=90s`, `Max=20.0`, `SWR Protect=on`, `DTMF Send Time[ms]=10`,
// `Memory 3=12A*`). get and set reach the optional-features window's controls, the DTMF
// window's Encode tab and its sixteen memories.

#include <iosfwd>
#include <string>
#include <string_view>

namespace mv52 {
struct ControlRow;
struct Document;
}  // namespace mv52

namespace mv52::cli {

// The control whose English label is `label`, or nullptr.
const ControlRow* controlByLabel(std::string_view label);

std::string controlLine(const ControlRow& row, const Document& doc);

// The optional-features window's controls, in the window's order.
void printOptionLines(std::ostream& os, const Document& doc);
// Every control get and set reach: the optional features, then the DTMF window's.
void printControlLines(std::ostream& os, const Document& doc);

// "a, b, c": the labels, or what a control takes, for a usage message.
std::string validLabels();
std::string validItems(const ControlRow& row, const Document& doc);

}  // namespace mv52::cli
