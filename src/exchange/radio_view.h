#pragma once
// What the radio holds of a document: the document encoded into the image and decoded again,
// as a write followed by a read leaves it. The comparison of two configurations reads this
// view, and a loaded file is brought in line with it wherever a control would show one item
// while the radio gets another (a check box holding 2, a list position past its items).

#include <memory>
#include <string>
#include <vector>

namespace mv52 {

struct Document;
struct Workspace;

// A workspace holding the radio's view of `doc` on top of the built-in defaults (what the
// image does not carry is the defaults', the same for every document).
std::unique_ptr<Workspace> radioView(const Document& doc);

// Sets every control whose shown item differs between the current document and its radio
// view to the radio's item, through the control and its rules, until the two agree. Returns
// the settings it changed ("Options FM Enable: on -> off"); none for a document a read or
// the windows made.
std::vector<std::string> alignWithRadio(Workspace& ws);

}  // namespace mv52
