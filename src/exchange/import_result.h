#pragma once
// What an import refused. An import applies nothing unless it can apply everything, so the
// user gets every refusal at once and fixes the file in one go.

#include <string>
#include <vector>

namespace mv52 {

struct ImportRefusal {
    int line = 0;  // 1-based line of the file; 0 when the refusal concerns the whole file
    std::string reason;
};

struct ImportResult {
    std::vector<ImportRefusal> refusals;
    unsigned effects = 0;  // ControlEffect bits of the writes, for the windows to follow
    bool ok() const { return refusals.empty(); }
};

// Puts the refusals in the order of their lines (stable: one line's refusals keep their order).
void sortRefusals(ImportResult& result);

// "line 7: reason" lines, one per refusal.
std::string refusalText(const ImportResult& result);

}  // namespace mv52
