// What the history of reads costs: keeping a read in a full history (the write and the trim
// that follows it), listing a thousand entries, and opening the history window over them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <random>

#include "gui/GuiContext.h"
#include "history/HistoryKeep.h"
#include "history/ui/HistoryWindow.h"

namespace radioprog {
namespace {

namespace fs = std::filesystem;

// A folder of generated entries, one a minute, removed at the end.
struct GeneratedHistory {
    fs::path folder;
    std::time_t next = 1'790'000'000;  // late 2026
    ProjectImage image;

    explicit GeneratedHistory(int entries) {
        std::random_device entropy;
        folder = fs::temp_directory_path() / ("radioprog-bench-" + std::to_string(entropy()));
        image.ResetToDefaults();
        for (int n = 1; n <= kChannelCount; ++n) {
            image.Channel(n).InitialiseNew(400000000 + static_cast<uint32_t>(n) * 12500);
            image.SetChannelValid(n, true);
        }
        for (int i = 0; i < entries; ++i) {
            Keep(static_cast<size_t>(entries));
        }
    }
    ~GeneratedHistory() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    bool Keep(size_t keep) {
        const HistorySettings settings{true, folder.string(), keep};
        next += 60;
        return KeepProjectInHistory(settings,
                                    {HistoryJob::Read, RadioKind::Y, {2026, 1, 2, 3, 4}, next},
                                    image, BandLimits{400000000, 480000000})
            .ok;
    }
};

// The default limit reached: every read adds one entry and deletes the oldest.
void BM_KeepReadInAFullHistory(benchmark::State& state) {
    GeneratedHistory history(500);
    for (auto _ : state) {
        if (!history.Keep(500)) {
            state.SkipWithError("the read was not kept");
        }
    }
}
BENCHMARK(BM_KeepReadInAFullHistory)->Unit(benchmark::kMillisecond);

void BM_ListHistory(benchmark::State& state) {
    GeneratedHistory history(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ListHistory(history.folder.string()));
    }
}
BENCHMARK(BM_ListHistory)->Arg(1000)->Unit(benchmark::kMillisecond);

// From the menu command to the window on screen: the listing, the table and the first paint.
void BM_OpenHistoryWindow(benchmark::State& state) {
    GeneratedHistory history(static_cast<int>(state.range(0)));
    AppData data;
    ui::ModalRunner modals;
    ui::GuiContext context{data, modals, "", {}};
    const HistorySettings settings{true, history.folder.string(), 5000};
    for (auto _ : state) {
        ui::HistoryWindow window(context, settings, nullptr);
        window.show();
        window.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenHistoryWindow)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radioprog
