// Feeds arbitrary text to the channel-list import. The first byte chooses the group. A
// refused import must leave the document as it was; an accepted one must export again.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "data/groups.h"
#include "document/workspace.h"
#include "exchange/csv_channels.h"
#include "exchange/csv_reader.h"
#include "storage/default_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mv52;
    if (size < 1) return 0;
    static const std::unique_ptr<Workspace> startup = [] {
        auto ws = Workspace::create();
        buildStartupDocument(*ws, "20261210", "/nonexistent");
        return ws;
    }();
    const int m = data[0] & 1;
    const int g = 1 + (data[0] >> 1) % groupCount(m);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    (void)readCsv(text);

    static auto doc = std::make_unique<Document>();
    *doc = startup->current;
    const ImportResult result = importChannelsCsv(*doc, m, g, text);
    if (!result.ok()) {
        if (!(doc->header == startup->current.header)) std::abort();  // a refused import changed the document
        for (int p = 1; p <= doc->count(m, g); ++p)
            if (!(doc->channels.slot(m, g, p) == startup->current.channels.slot(m, g, p))) std::abort();
        return 0;
    }
    (void)exportChannelsCsv(*doc, m, g);
    return 0;
}
