// How long the main window's pages take to redraw from the model, and to relabel for
// another language: the work behind every New, Open, radio read and language command.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "gui/GuiContext.h"
#include "lang/LanguageSetting.h"
#include "mainwindow/ui/ChannelPage.h"
#include "mainwindow/ui/OptionsPage.h"
#include "model/ToneCodec.h"

namespace radioprog {
namespace {

// Both pages shown over a project with all 16 channels in use, as after a radio read.
struct Pages {
    AppData data;
    ui::ModalRunner modals;
    ui::GuiContext context{data, modals, "", {}};
    ui::ChannelPage channels{context, nullptr};
    ui::OptionsPage options{context, nullptr};

    Pages() {
        ResetProjectToDefaults(data);
        for (int n = 1; n <= kChannelCount; ++n) {
            ChannelRecord channel = data.image.Channel(n);
            channel.InitialiseNew(400000000 + static_cast<uint32_t>(n) * 12500);
            channel.SetRxTone(kToneCtcss, 885);
            channel.SetTxTone(kToneDcsInverted, 0x2813);
            data.image.SetChannelValid(n, true);
        }
        channels.show();
        options.show();
        Redraw();
    }

    void Redraw() {
        channels.RefreshFromModel();
        options.RefreshFromModel();
        // Painting is part of what the user waits for.
        channels.repaint();
        options.repaint();
    }
};

void BM_RedrawBothPages(benchmark::State& state) {
    Pages pages;
    for (auto _ : state) {
        pages.Redraw();
    }
}
BENCHMARK(BM_RedrawBothPages)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitch(benchmark::State& state) {
    Pages pages;
    int setting = kLanguageSettingEnglish;
    for (auto _ : state) {
        setting = setting == kLanguageSettingEnglish ? kLanguageSettingTraditional
                                                     : kLanguageSettingEnglish;
        ApplyLanguageSetting(pages.data.lang, setting);
        pages.Redraw();
    }
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radioprog
