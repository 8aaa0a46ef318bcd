// Feeds arbitrary text to the configuration import. A refused import must leave the document
// as it was; an accepted one must export to a text that imports to the same document.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "document/document.h"
#include "exchange/config_yaml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mv52;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const auto empty = std::make_unique<Document>();
    static auto doc = std::make_unique<Document>();
    *doc = *empty;
    const ImportResult result = importConfigYaml(*doc, text);
    if (!result.ok()) {
        if (!(doc->header == empty->header)) std::abort();  // a refused import changed the document
        return 0;
    }
    static auto again = std::make_unique<Document>();
    if (!importConfigYaml(*again, exportConfigYaml(*doc)).ok()) std::abort();
    if (!(again->header == doc->header)) std::abort();  // the text did not carry the whole header
    return 0;
}
