// Decodes arbitrary radio images. Whatever the image holds, encoding the decoded document and
// decoding that again must give the same document, but for the VFO channels: a VFO slot
// without a frequency is dropped, and after encoding it reads back as the fill's zeros.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "storage/codec.h"
#include "storage/default_document.h"
#include "document/workspace.h"

namespace {

bool sameDocument(const mv52::Document& a, const mv52::Document& b) {
    mv52::DocumentHeader bHeader = b.header;
    for (int m = 0; m < 2; ++m) {
        const int vfo = mv52::vfoGroup(m);
        if (a.count(m, vfo) == 0) bHeader.channelCount.at(m, vfo) = 0;
    }
    if (!(a.header == bHeader)) return false;
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
    // Built once and copied for each input; the copies reuse their memory.
    static const auto startup = [] {
        auto w = Workspace::create();
        buildStartupDocument(*w, "20261210", "/nonexistent");
        return w;
    }();
    static auto ws = Workspace::create();
    *ws = *startup;
    ws->image.preTransferFill();
    std::copy_n(data, std::min<std::size_t>(size, RadioImage::kSize), ws->image.bytes().begin());
    decodeImage(*ws);

    ws->image.preTransferFill();
    encodeDocument(*ws);  // may normalise fields (emergency modes above 3)
    static auto first = std::make_unique<Document>();
    *first = ws->current;
    decodeImage(*ws);
    if (!sameDocument(*first, ws->current)) std::abort();
    return 0;
}
