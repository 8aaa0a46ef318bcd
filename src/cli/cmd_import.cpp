#include "cli/cli.h"
#include "cli/common.h"
#include "cli/exchange_files.h"

namespace mv52::cli {

int runImport(const Args& args, Context& ctx) {
    if (args.size() != 2) return kExitUsage;
    if (!isYamlPath(args[0])) {
        ctx.err << "mv52ctl: " << args[0] << " is not a .yaml file\n";
        return kExitUsage;
    }
    auto ws = loadConfiguration(args[0], ctx);
    if (!ws) return kExitFailed;
    return savePairOrReport(*ws, args[1], ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
