#include <ostream>

#include "cli/common.h"
#include "storage/codec.h"
#include "data/durable_files.h"

namespace mv52::cli {

int runEncode(const Args& args, Context& ctx) {
    if (args.size() != 2) return kExitUsage;
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, args[0], ctx)) return kExitFailed;
    ws->image.preTransferFill();
    encodeDocument(*ws);
    FileFailure failure;
    if (!replaceFile({args[1], ws->image.bytes()}, {}, &failure)) {
        reportFileFailure(failure, ctx);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace mv52::cli
