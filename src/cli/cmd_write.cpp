#include "cli/common.h"
#include "cli/link_command.h"

namespace mv52::cli {

int runWrite(const Args& args, Context& ctx) {
    const auto options = parseLinkOptions(args, ctx, CommOperation::Write);
    if (!options) return kExitUsage;
    auto ws = Workspace::create();
    int missing = 0;
    if (!loadPairOrReport(*ws, options->file, ctx, &missing)) return kExitFailed;
    // Channels the file lacks would be erased from the radio: only when asked for.
    if (missing > 0 && !options->allowMissingChannels) {
        ctx.err << "mv52ctl: nothing was written; --allow-missing-channels writes the pair as it loaded\n";
        return kExitFailed;
    }
    return runLinkSession(*ws, CommOperation::Write, *options, ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
