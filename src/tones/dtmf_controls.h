#pragma once
// The DTMF window's controls that hold document fields, one row each: the six settings of
// its Encode tab and the sixteen memories of its autodial grid. The window, its binder and
// mv52ctl get/set read these rows.

#include <string_view>
#include <vector>

#include "document/control_row.h"

namespace mv52 {

// `Combo1_0` to `Combo1_4` and `Check1`, in the tab's order.
const std::vector<ControlRow>& dtmfEncodeControls();

// Memory n is row n of the grid `MSFlexGrid1` (`MSFlexGrid1_n`), labelled "Memory n". A text
// is written as typed into the grid's editor and cleans the references to a memory that
// became empty.
const std::vector<ControlRow>& dtmfMemoryControls();
const ControlRow& dtmfMemoryControl(int n);

}  // namespace mv52
