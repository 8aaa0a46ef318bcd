// Feeds arbitrary text to the channel table's paste (spreadsheet rows, tab- or comma-separated,
// the table's or the channel list's columns). The first byte chooses the group and the first
// row. A refused paste must leave the document as it was.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "data/groups.h"
#include "document/workspace.h"
#include "exchange/channel_table_text.h"
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
    const int firstRow = 1 + (data[0] >> 4);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    static auto doc = std::make_unique<Document>();
    *doc = startup->current;
    const ImportResult result = pasteTableText(*doc, m, g, firstRow, text, LanguageIndex::English);
    if (!result.ok()) {
        if (!(doc->header == startup->current.header)) std::abort();  // a refused paste changed the document
        for (int p = 1; p <= doc->count(m, g); ++p)
            if (!(doc->channels.slot(m, g, p) == startup->current.channels.slot(m, g, p))) std::abort();
    }
    return 0;
}
