#include <ostream>

#include "cli/cli.h"
#include "cli/common.h"
#include "cli/control_lines.h"

namespace mv52::cli {

int runGet(const Args& args, Context& ctx) {
    if (args.empty()) return kExitUsage;
    // Every label is checked before the file is read, so a typing error says so at once.
    for (std::size_t i = 1; i < args.size(); ++i)
        if (controlByLabel(args[i]) == nullptr) {
            ctx.err << "mv52ctl: no control is labelled '" << args[i] << "'; the labels are: " << validLabels() << "\n";
            return kExitUsage;
        }
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    if (args.size() == 1) {
        printControlLines(ctx.out, ws->current);
        return kExitOk;
    }
    for (std::size_t i = 1; i < args.size(); ++i) ctx.out << controlLine(*controlByLabel(args[i]), ws->current) << "\n";
    return kExitOk;
}

}  // namespace mv52::cli
