#include "cli/cli.h"
#include "cli/common.h"
#include "cli/exchange_files.h"
#include "exchange/config_yaml.h"

namespace mv52::cli {

int runExport(const Args& args, Context& ctx) {
    if (args.size() != 2) return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    return writeTextFile(args[1], exportConfigYaml(ws->current), ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
