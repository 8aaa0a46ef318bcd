#include "cli/common.h"

namespace mv52::cli {

int runNew(const Args& args, Context& ctx) {
    if (args.size() != 1) return kExitUsage;
    auto ws = startupWorkspace(ctx);
    return savePairOrReport(*ws, args[0], ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
