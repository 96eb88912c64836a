// Writes the seed corpus: complete sessions of every job recorded from the simulated radio,
// and one well-formed input for each of the other targets.
//
//   fuzz_seed_maker CORPUS_FOLDER
#include <filesystem>
#include <fstream>
#include <iostream>

#include "FuzzTargets.h"
#include "RadioSimulator.h"
#include "SessionHarness.h"
#include "calibration/CalibrationData.h"
#include "model/Configuration.h"
#include "model/ProjectFile.h"
#include "session/PasswordBlock.h"

namespace fs = std::filesystem;
using namespace radioprog;
using namespace radioprog::fuzz;

namespace {

void Write(const fs::path& path, std::span<const uint8_t> bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void Copy(const std::string& from, const fs::path& to) {
    fs::create_directories(to.parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

int SessionSeeds(const fs::path& folder) {
    struct Kind {
        const char* name;
        RadioKind kind;
    };
    int failures = 0;
    for (const Kind& kind :
         {Kind{"s", RadioKind::S}, Kind{"y", RadioKind::Y}, Kind{"legacy", RadioKind::Legacy}}) {
        for (uint8_t job = 0; job < kJobs.size(); ++job) {
            for (uint8_t extra :
                 {uint8_t{0}, uint8_t(kUnlockPassword | kPasswordWithData | kNewPassword)}) {
                const uint8_t flags = job | extra;
                SimulatorConfig config;
                config.kind = kind.kind;
                config.password = (flags & kUnlockPassword) ? "1234" : "";
                RadioSimulator radio(config);
                std::vector<uint8_t> recording{flags};
                const SessionOutcome outcome = RunScriptedSession(flags, {}, &radio, &recording);
                // The legacy radios do not know every job; those end another way and are
                // seeds all the same.
                if (outcome != SessionOutcome::Success && kind.kind != RadioKind::Legacy &&
                    job < kRealJobCount) {
                    std::cerr << kind.name << " job " << int(job) << " flags " << int(flags)
                              << " did not succeed\n";
                    ++failures;
                }
                Write(folder / "session" /
                          (std::string(kind.name) + "-job" + std::to_string(job) + "-flags" +
                           std::to_string(flags)),
                      recording);
            }
        }
    }
    return failures;
}

void OtherSeeds(const fs::path& folder) {
    const BandLimits band{400000000, 480000000};
    for (RadioKind kind : {RadioKind::S, RadioKind::Y, RadioKind::Legacy}) {
        SimulatorConfig config;
        config.kind = kind;
        RadioSimulator radio(config);
        std::vector<uint8_t> memory{static_cast<uint8_t>(kind == RadioKind::Y)};
        memory.insert(
            memory.end(), radio.Memory().begin(),
            radio.Memory().begin() + std::min<size_t>(radio.Memory().size(), kRadioMemorySize));
        Write(folder / "memory" / ("kind" + std::to_string(static_cast<int>(kind))), memory);
    }

    ProjectImage image;
    image.ResetToDefaults();
    ChannelRecord channel = image.Channel(3);
    channel.InitialiseNew(446006250);
    channel.SetRxTone(1, 885);
    image.SetChannelValid(3, true);
    const std::string project = ScratchPath("seed.Vkf");
    SaveProject(project, image, band);
    Copy(project, folder / "project" / "one-channel");

    ConfigValues config;
    const std::string ini = ScratchPath("seed.ini");
    SaveConfiguration(ini, config, band);
    Copy(ini, folder / "configuration" / "defaults");

    CalibrationData calibration;
    ResetCalibrationData(calibration, band);
    const std::string vkfa = ScratchPath("seed.vkfa");
    SaveCalibrationFile(vkfa, calibration);
    Copy(vkfa, folder / "calibration" / "defaults");

    int n = 0;
    for (std::string_view text : {"438.00625", "145.5", "88.5", "D023N", "D754I", "25.55",
                                  "\xC4\xE3\xBA\xC3", "\xA4\xA4\xA4\xE5", "OFF"}) {
        Write(folder / "text" / ("text" + std::to_string(n++)),
              {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    }

    const PasswordBlock block = BuildPasswordBlock("1234");
    std::vector<uint8_t> password(block.begin(), block.end());
    for (uint8_t b : {1, 2, 3, 4}) {
        password.push_back(b);
    }
    for (char c : std::string_view("1234")) {
        password.push_back(static_cast<uint8_t>(c));
    }
    Write(folder / "password" / "block-1234", password);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seed_maker CORPUS_FOLDER\n";
        return 2;
    }
    const fs::path folder = argv[1];
    const int failures = SessionSeeds(folder);
    OtherSeeds(folder);
    return failures == 0 ? 0 : 1;
}
