#pragma once
// Every control of the optional-features window, one row each, in the window's order: what
// it shows for the document and what a choice writes, with the editor's rules. The window,
// its binder and mv52ctl get/set/show read these rows; nothing else knows a control's coding.

#include <string>
#include <vector>

#include "document/control_row.h"

namespace mv52 {

// Where the window puts a control.
enum class OptionGroup : int {
    Left,        // the left column of lists
    Middle,      // the middle column of lists
    Display,     // the four display check boxes
    Protection,  // SWR and battery protection with their text boxes
    ModeEnable,  // the "Mode Enable" frame
    Right,       // the right column of lists
    Public,      // the public-channel frame
};

// The rows, built once.
const std::vector<ControlRow>& optionControls();

// The row `SaveOptFeat(index)` writes: 0-53 the main lists `Combo1`(index), 100 + n the check
// box `Check1`(n), 200 + n the public list `Combo2`(n); nullptr for any other index.
const ControlRow* optionControlForSaveIndex(int index);

// The row whose English label is `label` ("TOT", "Max[V]"), or nullptr.
const ControlRow* optionControlByLabel(std::string_view label);

}  // namespace mv52
