#pragma once
// One control of an editor window, bound to the document. A row says what the control shows
// for the document and what a choice made in it writes; the window, its binder and mv52ctl
// all go through the row, so showing and writing cannot drift apart.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"

namespace mv52 {

struct Document;

enum class ControlKind {
    List,   // a drop-down list of items
    Check,  // a check box
    Text,   // a text box of digits and "."
};

// What a user did in a control: the position and text of the chosen item, the new state of
// a check box (1 checked, 0 not), or the text of a text box as it was left.
struct ControlChoice {
    int position = 0;
    std::string text;
};

// What a write did beyond its own field, for the windows to follow.
enum ControlEffect : unsigned {
    kEffectNone = 0,
    kEffectChannelModes = 1u << 0,     // channel modes were corrected
    kEffectChannelWindow = 1u << 1,    // the channel window must be opened afresh
    kEffectChannels = 1u << 2,         // channels were added or removed: the grid is shown again
    kEffectRogerReferences = 1u << 3,  // roger-beep entries became valid or invalid: references cleaned
    kEffectDtmfReferences = 1u << 4,   // a DTMF memory changed: references cleaned
};

// The values a number box holds its number to, and the step it keeps.
struct NumberRange {
    double low = 0;
    double high = 0;
    double step = 1;
};

struct ControlRow {
    std::string objectName;  // "Combo1_9"
    ControlKind kind = ControlKind::List;
    // Shown left of the control; a check box's caption. Empty for a control whose window
    // names it otherwise (a column heading).
    std::function<std::string(LanguageIndex)> label;
    // The items of a list, in the language; lists filled from the document read it.
    std::function<std::vector<std::string>(const Document&, LanguageIndex)> items;
    // List: the position shown for the document among `items` (-1 for an empty list).
    // Check: 1 checked, 0 not.
    std::function<int(const Document&, const std::vector<std::string>& items)> shown;
    // Text: the text shown.
    std::function<std::string(const Document&)> shownText;
    // Text: whether the box can hold `text` (empty: any text; a number box makes any text a
    // number when it is left), and what it takes, for a message.
    std::function<bool(std::string_view)> accepts;
    std::string takes = "a number";
    // Writes the choice, with every rule that goes with it.
    std::function<unsigned(Document&, const ControlChoice&)> write;
    // Empty: always enabled, always visible.
    std::function<bool(const Document&)> enabled;
    std::function<bool(const Document&)> visible;
    int group = 0;  // where the window puts it (a column, a frame); the window's own numbering
    // A list by text that names a roger-beep entry or DTMF memory by number: an import may
    // write a number the list does not offer yet (the entry becomes valid later in the file),
    // checked against the final document.
    bool reference = false;
    // Text: the range and step of a number box; empty for a box that takes other text.
    std::optional<NumberRange> range;
    // More for the control's tooltip: why it may be off, where its items come from. Empty
    // function or text: nothing more.
    std::function<std::string(const Document&, LanguageIndex)> note;
};

// The row named `objectName`, or nullptr.
const ControlRow* findControl(const std::vector<ControlRow>& rows, std::string_view objectName);

// The item a list shows for the document, or the text of a text box, or "on"/"off" for a
// check box: the value as the window shows it (English for mv52ctl).
std::string shownItem(const ControlRow& row, const Document& doc, LanguageIndex language);

// Applies `item` as if the user had chosen it: a list item by its text (exactly, else
// without regard to case), "on"/"off" for a check box, a text the box accepts. False, with
// nothing written, when the control does not offer the item.
bool applyItem(const ControlRow& row, Document& doc, std::string_view item, LanguageIndex language,
               unsigned* effects = nullptr);

// The control's tooltip: what it sets (and a number box's range and step), then its note.
std::string controlTip(const ControlRow& row, const Document& doc, LanguageIndex language);

// What a number box says when it did not keep what was typed ("Max[V]: 30 is above 17.0;
// stored 17.0"), from the text typed and the text the box shows after the write. Empty when
// the value was kept, or the box is not a number box.
std::string typedValueNote(const ControlRow& row, std::string_view typed, std::string_view stored,
                           LanguageIndex language);

}  // namespace mv52
