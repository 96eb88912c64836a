// How long a channel sheet takes: gathering its texts, and the whole one-page PDF (layout,
// text shaping, the Chinese font subset), for a project with all 16 channels in use. The
// command line's own figure, process start and Qt's start included, comes from sheet.sh.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "model/ToneCodec.h"
#include "sheet/ChannelSheet.h"
#include "sheet/print/SheetPdf.h"

namespace radioprog {
namespace {

using THaldenFuncs::TLangType;

ProjectImage FullProject() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord channel = image.Channel(n);
        channel.InitialiseNew(400000000 + static_cast<uint32_t>(n) * 12500);
        channel.SetRxTone(kToneCtcss, 885);
        channel.SetTxTone(kToneDcsInverted, 0x2813);
        image.SetChannelValid(n, true);
    }
    return image;
}

TLangType LanguageOf(const benchmark::State& state) {
    return static_cast<TLangType>(state.range(0));
}

void BM_SheetTexts(benchmark::State& state) {
    const ProjectImage image = FullProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildChannelSheet(image, BandLimits{}, LanguageOf(state),
                                                   SheetChannels::All, "2026-12-07"));
    }
}
BENCHMARK(BM_SheetTexts)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// Texts and PDF together: what Export PDF... does before the file is written.
void BM_SheetPdf(benchmark::State& state) {
    const ProjectImage image = FullProject();
    for (auto _ : state) {
        const ChannelSheet sheet = BuildChannelSheet(image, BandLimits{}, LanguageOf(state),
                                                     SheetChannels::All, "2026-12-07");
        benchmark::DoNotOptimize(ChannelSheetPdf(sheet, SheetPaper::A4));
    }
}
BENCHMARK(BM_SheetPdf)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radioprog

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
