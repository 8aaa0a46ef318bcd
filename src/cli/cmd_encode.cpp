#include <ostream>

#include "cli/common.h"
#include "storage/codec.h"
#include "data/file_io.h"

namespace mv52::cli {

int runEncode(const Args& args, Context& ctx) {
    if (args.size() != 2) return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    ws->image.preTransferFill();
    encodeDocument(*ws);
    const FileContent image[] = {{args[1], ws->image.bytes()}};
    if (!writeFilesReplacing(image)) {
        ctx.err << "mv52ctl: cannot write " << args[1] << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace mv52::cli
