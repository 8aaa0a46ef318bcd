#include "exchange/import_result.h"

#include <algorithm>

namespace mv52 {

void sortRefusals(ImportResult& result) {
    std::stable_sort(result.refusals.begin(), result.refusals.end(),
                     [](const ImportRefusal& a, const ImportRefusal& b) { return a.line < b.line; });
}

std::string refusalText(const ImportResult& result) {
    std::string out;
    for (const ImportRefusal& r : result.refusals)
        out += (r.line > 0 ? "line " + std::to_string(r.line) + ": " : std::string()) + r.reason + "\n";
    return out;
}

}  // namespace mv52
