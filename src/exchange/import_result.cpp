#include "exchange/import_result.h"

namespace mv52 {

std::string refusalText(const ImportResult& result) {
    std::string out;
    for (const ImportRefusal& r : result.refusals)
        out += (r.line > 0 ? "line " + std::to_string(r.line) + ": " : std::string()) + r.reason + "\n";
    return out;
}

}  // namespace mv52
