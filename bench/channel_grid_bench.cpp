// Showing a group in the channel window: the whole 99-channel memory group (SetGridData) and
// one row after an edit (reShowGrid), offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

#include "storage/default_document.h"
#include "document/workspace.h"
#include "system/prompter.h"
#include "ui/channel_window.h"

namespace {

class SilentPrompter final : public mv52::Prompter {
public:
    mv52::PromptAnswer ask(const std::string&, mv52::MessageButtons, mv52::MessageIcon) override {
        return mv52::PromptAnswer::Ok;
    }
};

struct Rig {
    std::unique_ptr<mv52::Workspace> ws = mv52::Workspace::create();
    SilentPrompter prompter;
    std::unique_ptr<mv52::ChannelWindow> window;

    Rig() {
        mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");
        mv52::Document& d = ws->current;
        const int mem = mv52::memGroup(mv52::kWorkModeCb);
        d.count(mv52::kWorkModeCb, mem) = 0;
        for (int n = 1; n <= 99; ++n) d.appendChannel(mv52::kWorkModeCb, mem, n, "27.12345");
        d.header.currentWorkMode = mv52::kWorkModeCb;
        d.header.currentGroup[0] = static_cast<std::int16_t>(mem);
        window = std::make_unique<mv52::ChannelWindow>(*ws, mv52::LanguageIndex::English, prompter,
                                                       mv52::ChannelWindowHooks{});
        window->resize(900, 700);
        window->show();
        QCoreApplication::processEvents();
    }
};

void BM_ShowMemoryGroup(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.window->SetGridData();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowMemoryGroup)->Unit(benchmark::kMillisecond);

void BM_RedrawOneRow(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.window->reShowGrid(50);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RedrawOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
