// Feeds arbitrary data and channel files to the loaders. The first two bytes choose where the
// data file ends and the channel file begins.

#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "storage/codec.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "fuzz_support.h"
#include "version/version_table.h"

namespace {

void write(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mv52;
    if (size < 2) return 0;
    const std::size_t split = (static_cast<std::size_t>(data[0]) | (static_cast<std::size_t>(data[1]) << 8)) % (size - 1);
    const std::uint8_t* dataFile = data + 2;
    const std::uint8_t* channelFile = dataFile + split;
    const std::size_t channelSize = size - 2 - split;

    const auto& dir = fuzz::scratch();
    const auto dat = dir / "f.dat";
    write(dat, dataFile, split);
    write(dir / "f.fre", channelFile, channelSize);
    write(dir / "Init" / "1_LB2424_New.dat", dataFile, split);
    write(dir / "Init" / "1_LB2424_New.fre", channelFile, channelSize);

    static VersionTable versions = [] {
        VersionTable t;
        t.pairs = {{"V200", "V200"}, {"V200", "V201"}};
        return t;
    }();
    static auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");
    const DocumentHeader before = ws->current.header;
    const LoadResult result = loadDataFile(*ws, dat.string(), versions);
    if (!result.ok() && !(ws->current.header == before)) std::abort();  // a refused load changed the document
    (void)loadResultMessage(result, LanguageIndex::Chinese);
    (void)documentChanged(*ws);
    ws->image.preTransferFill();
    encodeDocument(*ws);

    // The same bytes as an initial data file, which skips the version and length checks.
    (void)loadInitialDataFile(*ws, dir.string(), InitialKind::New);
    ws->image.preTransferFill();
    encodeDocument(*ws);
    return 0;
}
