// Export and import of a full 16-channel project in both channel list formats.
#include <benchmark/benchmark.h>

#include <random>

#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "channellist/ChirpCsv.h"

namespace radioprog {
namespace {

constexpr BandLimits kBand{400000000, 480000000};

// Every channel in use, on the raster, with standard tones of every kind and a 6-byte name.
ProjectImage FullProject() {
    ProjectImage image;
    image.ResetToDefaults();
    std::mt19937 random(5);
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord ch = image.Channel(n);
        ch.InitialiseNew(kBand.lower + 6250 * static_cast<uint32_t>(random() % 12000));
        ch.SetTxFreq(ch.RxFreq() + (n % 3 == 0 ? 5000000 : 0));
        ch.SetRxTone(static_cast<uint8_t>(n % 4), n % 4 == 1 ? 885 : kDcsCodeBase + 023);
        ch.SetTxTone(static_cast<uint8_t>((n + 1) % 4),
                     (n + 1) % 4 == 1 ? 1318 : kDcsCodeBase + 0754);
        image.SetText(ChannelNameField(n), "CH" + std::to_string(1000 + n));
        image.SetChannelValid(n, true);
    }
    return image;
}

void Export(benchmark::State& state, std::string (*exporter)(const ProjectImage&)) {
    const ProjectImage image = FullProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(exporter(image));
    }
}

void Import(benchmark::State& state, std::string (*exporter)(const ProjectImage&)) {
    const ProjectImage original = FullProject();
    const std::string csv = exporter(original);
    for (auto _ : state) {
        ProjectImage image = original;
        if (!ImportChannelList(csv, image, kBand)) {
            state.SkipWithError("the list did not import");
        }
        benchmark::DoNotOptimize(image);
    }
}

// The largest multi-radio list the reader takes: sixteen rows whose comments (left behind)
// fill the file to just under its size limit, as a shared repeater list with long notes might.
void ImportLongComments(benchmark::State& state) {
    const ProjectImage original = FullProject();
    std::string csv = ExportChannelsChirpCsv(original);
    const size_t rowCount = kChannelCount;
    const size_t room = kMaxChannelCsvSize - csv.size() - rowCount * 2;
    const std::string comment = "\"" + std::string(room / rowCount, 'n') + "\"";
    // Our export leaves the Comment cell empty: the fifth cell from the end of each row.
    for (size_t at = csv.find("\r\n") + 2; at < csv.size(); at = csv.find("\r\n", at) + 2) {
        const size_t end = csv.find("\r\n", at);
        const size_t cell = csv.rfind(",,,,,", end);
        csv.insert(cell + 1, comment);
    }
    for (auto _ : state) {
        ProjectImage image = original;
        if (!ImportChannelList(csv, image, kBand)) {
            state.SkipWithError("the list did not import");
        }
        benchmark::DoNotOptimize(image);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * csv.size()));
}

BENCHMARK_CAPTURE(Export, own, ExportChannelsCsv);
BENCHMARK_CAPTURE(Export, multi_radio, ExportChannelsChirpCsv);
BENCHMARK_CAPTURE(Import, own, ExportChannelsCsv);
BENCHMARK_CAPTURE(Import, multi_radio, ExportChannelsChirpCsv);
BENCHMARK(ImportLongComments);

}  // namespace
}  // namespace radioprog
