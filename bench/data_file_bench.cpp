// Saving and loading a data file pair with the largest channel file the loader accepts:
// 99 channels in every group (196,416 bytes).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "storage/data_file.h"
#include "storage/data_file_layout.h"
#include "storage/default_document.h"
#include "data/durable_files.h"
#include "document/workspace.h"
#include "version/version_table.h"

namespace {

namespace fs = std::filesystem;

fs::path benchFolder() {
    const fs::path dir = fs::temp_directory_path() / "mv52-bench";
    fs::create_directories(dir);
    return dir;
}

std::unique_ptr<mv52::Workspace> fullWorkspace() {
    auto ws = mv52::Workspace::create();
    mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");
    mv52::forEachGroup([&](int m, int g) {
        ws->current.count(m, g) = 0;
        for (int n = 1; n <= 99; ++n) ws->current.appendChannel(m, g, n, "28.12345");
    });
    return ws;
}

void BM_SaveLargestPair(benchmark::State& state) {
    auto ws = fullWorkspace();
    const std::string path = (benchFolder() / "save.dat").string();
    for (auto _ : state) {
        // Saving limits the 40-slot groups to 46 channels; put them back each time.
        mv52::forEachGroup([&](int m, int g) { ws->current.count(m, g) = 99; });
        if (!mv52::saveDataFile(*ws, path)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveLargestPair)->Unit(benchmark::kMicrosecond);

void BM_LoadLargestPair(benchmark::State& state) {
    auto ws = fullWorkspace();
    // Write the pair directly so that every group keeps 99 channels.
    const std::string path = (benchFolder() / "load.dat").string();
    mv52::forEachGroup([&](int m, int g) { ws->current.count(m, g) = 99; });
    const mv52::HeaderBytes header = mv52::writeHeaderBytes(ws->current.header);
    std::vector<std::uint8_t> channels;
    mv52::forEachGroup([&](int m, int g) {
        for (int p = 1; p <= 99; ++p) {
            const mv52::ChannelBytes r = mv52::writeChannelBytes(ws->current.channels.slot(m, g, p));
            channels.insert(channels.end(), r.begin(), r.end());
        }
    });
    mv52::replaceFile({path, header});
    mv52::replaceFile({mv52::channelFilePath(path), channels});
    state.counters["channel_file_bytes"] = static_cast<double>(channels.size());

    mv52::VersionTable versions;
    versions.pairs = {{"V200", "V200"}};
    auto target = mv52::Workspace::create();
    for (auto _ : state) {
        if (!mv52::loadDataFile(*target, path, versions).ok()) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadLargestPair)->Unit(benchmark::kMicrosecond);

}  // namespace
