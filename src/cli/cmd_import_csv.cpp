#include "cli/cli.h"
#include "cli/common.h"
#include "cli/exchange_files.h"
#include "exchange/csv_channels.h"
#include "exchange/csv_reader.h"

namespace mv52::cli {

int runImportCsv(const Args& allArgs, Context& ctx) {
    Args args = allArgs;
    const std::optional<GroupChoice> group = takeGroupOptions(args, ctx);
    if (!group || args.size() != 2) return kExitUsage;
    const auto lock = lockPairOrReport(args[0], ctx);  // from the load to the save
    if (!lock) return kExitFailed;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    const std::optional<std::string> text = readTextFile(args[1], kCsvMaxBytes, ctx);
    if (!text) return kExitFailed;
    const ImportResult result = importChannelsCsv(ws->current, group->workMode, group->group, *text, ctx.language);
    if (!result.ok()) {
        reportRefusals(args[1], result, ctx);
        return kExitFailed;
    }
    return savePairOrReport(*ws, args[0], ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
