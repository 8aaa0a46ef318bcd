// Feeds arbitrary data and channel files to the loaders, in memory. The first two bytes choose
// where the data file ends and the channel file begins.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "storage/codec.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "version/version_table.h"

namespace {

bool sameDocument(const mv52::Document& a, const mv52::Document& b) {
    for (int m = 0; m < mv52::kWorkModeCount; ++m)
        for (int g = 1; g <= mv52::kMaxGroups; ++g)
            for (int p = 1; p <= mv52::kSlotsPerGroup; ++p)
                if (!(a.channels.slot(m, g, p) == b.channels.slot(m, g, p))) return false;
    return a.header == b.header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mv52;
    if (size < 2) return 0;
    const std::span<const std::uint8_t> input(data + 2, size - 2);
    const std::size_t split = (static_cast<std::size_t>(data[0]) | (static_cast<std::size_t>(data[1]) << 8)) % (input.size() + 1);
    // What the file layer would have read of each file.
    const auto dataFile = input.first(std::min(split, dataFileReadLimit()));
    const auto channelFile = input.subspan(split).first(std::min(input.size() - split, channelFileReadLimit()));

    static VersionTable versions = [] {
        VersionTable t;
        t.pairs = {{"V200", "V200"}, {"V200", "V201"}};
        return t;
    }();
    static const auto startup = [] {
        auto w = Workspace::create();
        buildStartupDocument(*w, "20261210", "/nonexistent");
        return w;
    }();
    static auto ws = Workspace::create();
    *ws = *startup;
    static auto before = std::make_unique<Document>();
    *before = ws->current;
    const LoadResult result = loadDataFileBytes(*ws, dataFile, channelFile, versions);
    if (!result.ok() && !sameDocument(ws->current, *before)) std::abort();  // a refused load changed the document
    if (result.ok() && documentChanged(*ws)) std::abort();        // a loaded document counts as saved
    (void)loadResultMessage(result, LanguageIndex::Chinese);
    ws->image.preTransferFill();
    encodeDocument(*ws);

    // The same bytes as an initial data file, which skips the version and length checks.
    (void)loadInitialDataFileBytes(*ws, dataFile, channelFile);
    (void)documentChanged(*ws);
    ws->image.preTransferFill();
    encodeDocument(*ws);
    return 0;
}
