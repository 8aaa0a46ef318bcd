#include "cli/common.h"
#include "cli/link_command.h"

namespace mv52::cli {

int runWrite(const Args& args, Context& ctx) {
    const auto options = parseLinkOptions(args, ctx, CommOperation::Write);
    if (!options) return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, options->file, ctx)) return kExitFailed;
    return runLinkSession(*ws, CommOperation::Write, *options, ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
