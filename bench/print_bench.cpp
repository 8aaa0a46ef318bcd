// The printed channel sheet of the fullest document the radio holds: every group of both work
// modes full (40, 99 and 1 channels), tones and settings on every channel, every DTMF memory
// and roger-beep entry in use. The description alone, and the description drawn into a PDF,
// offscreen.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "data/groups.h"
#include "document/workspace.h"
#include "exchange/print_sheet.h"
#include "platform/sheet_painter.h"
#include "storage/default_document.h"

namespace {

mv52::Document fullestDocument() {
    auto ws = mv52::Workspace::create();
    mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");
    mv52::Document& d = ws->current;
    mv52::forEachGroup([&](int m, int g) {
        d.options().groupEnabled.at(m, g) = 1;
        d.count(m, g) = 0;
        const bool narrow = m == mv52::kWorkModeCb && g >= 13 && g <= 15;
        for (int n = 1; n <= mv52::groupCapacity(m, g); ++n) {
            d.appendChannel(m, g, n, (narrow ? "21." : "28.") + std::to_string(100 + n * 5));
            mv52::ChannelRecord& c = d.channels.slot(m, g, n);
            c.TxToneType = 1;
            c.TxCtcssIndex = static_cast<std::int16_t>(n % 50);
            c.RxToneType = 2;
            c.RxDcsIndex = static_cast<std::int16_t>(n % 100);
            c.Busy = c.HiCut = c.Echo = c.Add10K = 1;
            c.Rep = 1;
            c.RogerBeep = 1;
            c.Bot = c.Eot = c.Call = 1;
        }
    });
    for (auto& memory : d.options().dtmfMemory) memory.set("0123456789ABCD*#");
    return d;
}

mv52::SheetRequest request(mv52::LanguageIndex language) {
    mv52::SheetRequest r;
    r.language = language;
    r.fileName = "fullest.dat";
    r.printedAt = "2026-12-11 12:00";
    return r;
}

void BM_DescribeSheet(benchmark::State& state) {
    const mv52::Document d = fullestDocument();
    const auto language = static_cast<mv52::LanguageIndex>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(mv52::describeSheet(d, request(language)));
}
BENCHMARK(BM_DescribeSheet)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SheetPdf(benchmark::State& state) {
    const mv52::Document d = fullestDocument();
    const auto language = static_cast<mv52::LanguageIndex>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto pdf = mv52::sheetPdf(mv52::describeSheet(d, request(language)), QPageSize(QPageSize::A4));
        bytes = pdf.size();
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1000.0;
}
BENCHMARK(BM_SheetPdf)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
