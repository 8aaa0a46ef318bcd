// The channel table offscreen: showing the 99-row memory group with all its columns, switching
// groups, applying a value to 99 selected rows, and sorting the 99-row view by a column.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>

#include "channels/channel_table_model.h"
#include "data/groups.h"
#include "document/workspace.h"
#include "storage/default_document.h"
#include "system/prompter.h"
#include "ui/channel_table_view.h"
#include "ui/channel_table_window.h"

namespace {

class SilentPrompter final : public mv52::Prompter {
public:
    mv52::PromptAnswer ask(const std::string&, mv52::MessageButtons, mv52::MessageIcon) override {
        return mv52::PromptAnswer::Ok;
    }
};

constexpr int kCb = mv52::kWorkModeCb;

struct Rig {
    std::unique_ptr<mv52::Workspace> ws = mv52::Workspace::create();
    SilentPrompter prompter;
    std::unique_ptr<mv52::ChannelTableWindow> window;
    int mem = mv52::memGroup(kCb);

    Rig() {
        mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");
        mv52::Document& d = ws->current;
        d.count(kCb, mem) = 0;
        // Different frequencies, so that a sort has work to do.
        for (int n = 1; n <= 99; ++n)
            d.appendChannel(kCb, mem, n, std::to_string(27 + (n * 37 % 99) / 100.0).substr(0, 7));
        window = std::make_unique<mv52::ChannelTableWindow>(*ws, mv52::LanguageIndex::English, prompter,
                                                            mv52::ChannelTableHooks{});
        window->resize(1300, 800);
        window->show();
        window->showGroup(kCb, mem);
        QCoreApplication::processEvents();
    }
};

void BM_ShowMemoryGroup(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.window->showDocument();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowMemoryGroup)->Unit(benchmark::kMillisecond);

void BM_SwitchGroups(benchmark::State& state) {
    Rig rig;
    bool memory = false;
    for (auto _ : state) {
        memory = !memory;
        rig.window->showGroup(kCb, memory ? rig.mem : 1);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchGroups)->Unit(benchmark::kMillisecond);

void BM_ApplyTo99Rows(benchmark::State& state) {
    Rig rig;
    rig.window->view()->selectAll();
    bool am = false;
    for (auto _ : state) {
        am = !am;
        rig.window->commitCell(0, mv52::TableColumn::Mode, am ? "AM" : "FM");
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ApplyTo99Rows)->Unit(benchmark::kMillisecond);

void BM_Sort99Rows(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        // Ascending, descending, channel order: one of each per three iterations.
        rig.window->headerClicked(static_cast<int>(mv52::TableColumn::Frequency));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Sort99Rows)->Unit(benchmark::kMillisecond);

// The two parts of the above: painting the visible cells, and reading all cells from the document.
void BM_RepaintOnly(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.window->view()->viewport()->update();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintOnly)->Unit(benchmark::kMillisecond);

void BM_ReadCellsOnly(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) rig.window->model()->show(kCb, rig.mem, mv52::LanguageIndex::English);
}
BENCHMARK(BM_ReadCellsOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
