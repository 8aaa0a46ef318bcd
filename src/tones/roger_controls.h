#pragma once
// Every control of the roger-beep window for the entry its tab strip shows, one row each:
// what it shows and what a choice writes, with the rule that keeps one entry valid and the
// clean-up of references when an entry becomes valid or invalid.

#include <functional>
#include <vector>

#include "document/control_row.h"
#include "document/roger_beep_table.h"

namespace mv52 {

// The rows, in the window's order: `Combo1_0` recycle times, `Combo2_0` inter time, then for
// each tone i `Combo3_{i-1}` (its frequency, labelled with the tone's name) and `Combo4_{i-1}`
// (its length, under a column heading). `entry` names the entry shown, 1-8.
std::vector<ControlRow> rogerBeepControls(std::function<int()> entry);

// How a change of an entry went.
enum class RogerChange {
    Refused,       // it would have left no entry valid: nothing was written
    Stored,        // written; every entry kept its validity and no reference changed
    ReferencesCleaned,  // written; every entry kept its validity, references were cleaned
    ValidityChanged,  // written; references to entries now invalid were cleaned
};

// Applies `edit` to entry n (1-8) unless it would make the last valid entry invalid, and
// then cleans the references, whatever changed: a reference to an entry that was already
// invalid (a foreign file, a read) goes too.
RogerChange changeRogerEntry(Document& doc, int n, const std::function<void(RogerBeepEntry&)>& edit);

}  // namespace mv52
