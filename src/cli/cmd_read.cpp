#include "cli/common.h"
#include "cli/link_command.h"

namespace mv52::cli {

int runRead(const Args& args, Context& ctx) {
    const auto options = parseLinkOptions(args, ctx, CommOperation::Read);
    if (!options) return kExitUsage;
    auto ws = startupWorkspace(ctx);
    // Only a completed read is decoded and saved.
    if (!runLinkSession(*ws, CommOperation::Read, *options, ctx)) return kExitFailed;
    return savePairOrReport(*ws, options->file, ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
