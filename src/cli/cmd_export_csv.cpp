#include "cli/cli.h"
#include "cli/common.h"
#include "cli/exchange_files.h"
#include "exchange/csv_channels.h"

namespace mv52::cli {

int runExportCsv(const Args& allArgs, Context& ctx) {
    Args args = allArgs;
    const std::optional<GroupChoice> group = takeGroupOptions(args, ctx);
    if (!group || args.size() != 2) return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    return writeTextFile(args[1], exportChannelsCsv(ws->current, group->workMode, group->group), ctx) ? kExitOk
                                                                                                       : kExitFailed;
}

}  // namespace mv52::cli
