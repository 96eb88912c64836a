// Export and import of a full 16-channel project in both channel list formats.
#include <benchmark/benchmark.h>

#include <random>

#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "channellist/ChannelListPlan.h"
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

// A shared list of 100 rows of which none fits, each for its own reason in turn (a mode, a
// location, a name, a frequency off the raster, a tone outside the lists): the import reads
// every row and names every problem in one run.
void ImportHundredRowsEveryProblem(benchmark::State& state) {
    const ProjectImage original = FullProject();
    std::string csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int row = 0; row < 100; ++row) {
        const int location = row % 5 == 1 ? 17 + row : 1 + row % kChannelCount;
        const std::string name = row % 5 == 2 ? "REPEATER" : "R" + std::to_string(row);
        const std::string mhz = row % 5 == 3 ? "446.001000" : "446.006250";
        const std::string squelchTone = row % 5 == 4 ? "69.4" : "88.5";
        const std::string mode = row % 5 == 0 ? "AM" : "FM";
        csv += std::to_string(location) + "," + name + "," + mhz + ",,0.000000,TSQL,88.5," +
               squelchTone + ",023,NN,023,Tone->Tone," + mode + ",12.50,,5.0W,comment,,,,\r\n";
    }
    for (auto _ : state) {
        const ChannelListPlan plan = PlanChannelListImport(csv, original, kBand);
        if (plan.Refusals().size() != 100) {
            state.SkipWithError("not every row was refused");
        }
        benchmark::DoNotOptimize(plan);
    }
}

BENCHMARK_CAPTURE(Export, own, ExportChannelsCsv);
BENCHMARK_CAPTURE(Export, multi_radio, ExportChannelsChirpCsv);
BENCHMARK_CAPTURE(Import, own, ExportChannelsCsv);
BENCHMARK_CAPTURE(Import, multi_radio, ExportChannelsChirpCsv);
BENCHMARK(ImportLongComments);
BENCHMARK(ImportHundredRowsEveryProblem)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radioprog
