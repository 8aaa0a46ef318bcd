#include <algorithm>
#include <ostream>

#include "cli/common.h"
#include "storage/codec.h"
#include "data/file_io.h"

namespace mv52::cli {

int runDecode(const Args& args, Context& ctx) {
    if (args.size() != 2) return kExitUsage;
    const auto bytes = readFilePrefix(args[0], RadioImage::kSize + 1);
    if (!bytes) {
        ctx.err << "mv52ctl: cannot read " << args[0] << "\n";
        return kExitFailed;
    }
    if (bytes->size() != RadioImage::kSize && bytes->size() != RadioImage::kTransferSize) {
        ctx.err << "mv52ctl: " << args[0] << " is not a radio image: it must hold "
                << RadioImage::kTransferSize << " or " << RadioImage::kSize << " bytes\n";
        return kExitFailed;
    }
    auto ws = startupWorkspace(ctx);
    // A 23,744-byte image is what the link transfers; the last index comes from the fill.
    ws->image.preTransferFill();
    std::copy(bytes->begin(), bytes->end(), ws->image.bytes().begin());
    decodeImage(*ws);
    ws->untitled = true;
    ws->fileName = "new.dat";
    return savePairOrReport(*ws, args[1], ctx) ? kExitOk : kExitFailed;
}

}  // namespace mv52::cli
