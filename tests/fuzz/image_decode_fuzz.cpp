// Decodes arbitrary radio images. Whatever the image holds, encoding the decoded document and
// decoding that again must give the same document.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "data/codec.h"
#include "data/default_document.h"
#include "data/workspace.h"

namespace {

bool sameDocument(const mv52::Document& a, const mv52::Document& b) {
    if (!(a.header == b.header)) return false;
    bool same = true;
    mv52::forEachGroup([&](int m, int g) {
        for (int p = 1; p <= std::clamp<int>(a.count(m, g), 0, 99); ++p)
            same = same && a.channels.slot(m, g, p) == b.channels.slot(m, g, p);
    });
    return same;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mv52;
    static auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    ws->image.preTransferFill();
    std::copy_n(data, std::min<std::size_t>(size, RadioImage::kSize), ws->image.bytes().begin());
    decodeImage(*ws);

    ws->image.preTransferFill();
    encodeDocument(*ws);  // may normalise fields (emergency modes above 3)
    auto first = std::make_unique<Document>(ws->current);
    decodeImage(*ws);
    if (!sameDocument(*first, ws->current)) std::abort();
    return 0;
}
