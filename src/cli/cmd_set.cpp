#include <ostream>

#include "cli/cli.h"
#include "cli/common.h"
#include "cli/control_lines.h"
#include "document/control_row.h"

namespace mv52::cli {

int runSet(const Args& args, Context& ctx) {
    if (args.size() < 2) return kExitUsage;
    // Held from the load to the save: no other program's save can fall in between and be lost.
    const auto lock = lockPairOrReport(args[0], ctx);
    if (!lock) return kExitFailed;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    // Each assignment as if the user made that choice in the window, in order; the pair is
    // written only when every one was accepted.
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& assignment = args[i];
        const std::size_t eq = assignment.find('=');
        const ControlRow* row = eq == std::string::npos ? nullptr : controlByLabel(assignment.substr(0, eq));
        if (row == nullptr) {
            ctx.err << "mv52ctl: '" << assignment << "' is not LABEL=ITEM of a control; the labels are: "
                    << validLabels() << "\n";
            return kExitUsage;
        }
        const std::string item = assignment.substr(eq + 1);
        if (!applyItem(*row, ws->current, item, LanguageIndex::English)) {
            ctx.err << "mv52ctl: " << row->label(LanguageIndex::English) << " does not offer '" << item
                    << "'; it offers: " << validItems(*row, ws->current) << "\n";
            return kExitUsage;
        }
    }
    return savePairOrReport(*ws, args[0], ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
