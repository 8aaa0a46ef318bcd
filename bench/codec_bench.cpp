// Encoding and decoding a full radio image: every channel slot of every group in use.

#include <benchmark/benchmark.h>

#include "storage/codec.h"
#include "storage/default_document.h"
#include "document/workspace.h"

namespace {

std::unique_ptr<mv52::Workspace> fullWorkspace() {
    auto ws = mv52::Workspace::create();
    mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");
    mv52::forEachGroup([&](int m, int g) {
        ws->current.count(m, g) = 0;
        for (int n = 1; n <= mv52::groupCapacity(m, g); ++n) ws->current.appendChannel(m, g, n, "28.12345");
    });
    return ws;
}

void BM_EncodeFullImage(benchmark::State& state) {
    auto ws = fullWorkspace();
    for (auto _ : state) {
        ws->image.preTransferFill();
        mv52::encodeDocument(*ws);
        benchmark::DoNotOptimize(ws->image.bytes().data());
    }
}
BENCHMARK(BM_EncodeFullImage);

void BM_DecodeFullImage(benchmark::State& state) {
    auto ws = fullWorkspace();
    ws->image.preTransferFill();
    mv52::encodeDocument(*ws);
    for (auto _ : state) {
        mv52::decodeImage(*ws);
        benchmark::DoNotOptimize(ws->current.count(0, 1));
    }
}
BENCHMARK(BM_DecodeFullImage);

}  // namespace
