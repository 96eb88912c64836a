// What radioprog-cli refuses to send to radiosim over a real pseudo-terminal: a calibration
// file that is no calibration record (unless forced, and then after a backup), and a project
// whose band or channels the radio cannot hold. The radio holds afterwards what it held before.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "appdata/AppData.h"
#include "calibration/CalibrationData.h"
#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"

namespace radioprog::e2e {
namespace {

using testing::CliRun;
using testing::Radiosim;
using testing::ReadAll;

namespace fs = std::filesystem;

class WriteRefusal : public testing::CliTest {
  protected:
    void WriteBytes(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::string CalibrationOf(const Radiosim& sim, const std::string& name) {
        const CliRun read =
            Cli({"calibration", "read", "--device", sim.Device(), "-o", Path(name)});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        return ReadAll(Path(name));
    }

    std::string ProjectOf(const Radiosim& sim, const std::string& name) {
        const CliRun read = Cli({"read", "--device", sim.Device(), "-o", Path(name)});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        return ReadAll(Path(name));
    }

    // The radio's project with every channel in use at rx and tx, saved as name.
    std::string WithChannelsAt(const std::string& radioProject, const std::string& name,
                               const std::vector<int>& channels, uint32_t hz) {
        AppData data;
        EXPECT_TRUE(OpenProject(radioProject, data.image, data.band));
        for (const int n : channels) {
            data.image.Channel(n).InitialiseNew(hz);
            data.image.SetChannelValid(n, true);
        }
        EXPECT_TRUE(SaveProject(Path(name), data.image, data.band));
        return Path(name);
    }
};

TEST_F(WriteRefusal, OnlyACalibrationRecordIsWrittenUnlessForcedAndThenAfterABackup) {
    Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    const std::string before = CalibrationOf(sim, "radio.vkfa");

    std::string random(kCalibrationDataSize, '\0');
    std::mt19937 generator(5);
    std::ranges::generate(random, [&] { return static_cast<char>(generator()); });
    WriteBytes(Path("random.vkfa"), random);
    WriteBytes(Path("zeros.vkfa"), std::string(kCalibrationDataSize, '\x00'));
    WriteBytes(Path("erased.vkfa"), std::string(kCalibrationDataSize, '\xFF'));
    AppData data;
    data.image.ResetToDefaults();
    ASSERT_TRUE(SaveProject(Path("project.Vkf"), data.image, data.band));

    struct Case {
        const char* file;
        const char* why;
    };
    for (const Case& c : {Case{"random.vkfa", "values out of range: Point[0].Freq = "},
                          Case{"zeros.vkfa", "all its 160 bytes are 0x00"},
                          Case{"erased.vkfa", "all its 160 bytes are 0xFF"},
                          Case{"project.Vkf", "the size of a project file"}}) {
        for (const char* command : {"write", "write-all"}) {
            std::vector<std::string> args = {"calibration", command, Path(c.file)};
            if (std::string(command) == "write-all") {
                args.push_back(Path("project.Vkf"));
                args.push_back("--allow-empty");
            }
            args.insert(args.end(), {"--device", sim.Device()});
            const CliRun refused = Cli(args);
            EXPECT_EQ(refused.exitCode, 65) << c.file << " " << command << refused.err;
            EXPECT_NE(refused.err.find(c.why), std::string::npos) << refused.err;
            EXPECT_EQ(refused.err.find("SUCCESS"), std::string::npos) << refused.err;
        }
    }
    EXPECT_EQ(CalibrationOf(sim, "after-refusals.vkfa"), before);

    // The radio's own record goes back without a word.
    const CliRun own = Cli({"calibration", "write", Path("radio.vkfa"), "--device", sim.Device()});
    EXPECT_EQ(own.exitCode, 0) << own.err;

    // Forced, the radio's calibration is kept in the history before the record is written.
    const std::string history = Path("history");
    const CliRun forced = Cli({"--history", history, "calibration", "write", Path("random.vkfa"),
                               "--force-calibration", "--device", sim.Device()});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    std::vector<std::string> kept;
    for (const auto& item : fs::directory_iterator(history)) {
        if (item.path().filename() != "programming-log.csv") {
            kept.push_back(item.path().string());
        }
    }
    ASSERT_FALSE(kept.empty());
    EXPECT_TRUE(std::ranges::any_of(kept, [&](const std::string& file) {
        return forced.err.find(file) != std::string::npos;
    })) << forced.err;
    EXPECT_NE(CalibrationOf(sim, "forced.vkfa"), before);
}

TEST_F(WriteRefusal, NoWriteSendsABandOrChannelsTheRadioCannotHold) {
    Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    const std::string before = ProjectOf(sim, "radio.Vkf");

    // A truncated project opens with a band of 0-0, which no write may send.
    WriteBytes(Path("head.Vkf"), before.substr(0, 100));
    const CliRun truncated =
        Cli({"write", Path("head.Vkf"), "--allow-empty", "--verify", "--device", sim.Device()});
    EXPECT_EQ(truncated.exitCode, 65) << truncated.err;
    EXPECT_NE(truncated.err.find("Only the first 100 bytes"), std::string::npos) << truncated.err;
    EXPECT_NE(truncated.err.find("The band 0-0 MHz is not one the radio accepts"),
              std::string::npos)
        << truncated.err;
    EXPECT_NE(truncated.err.find("band dialog"), std::string::npos) << truncated.err;

    // Channels at 0 Hz are no channels for the question, and no channels to write.
    std::vector<int> all(kChannelCount);
    std::ranges::generate(all, [n = 0]() mutable { return ++n; });
    const std::string zero = WithChannelsAt(Path("radio.Vkf"), "zero.Vkf", all, 0);
    const CliRun asked = Cli({"write", zero, "--device", sim.Device()});
    EXPECT_EQ(asked.exitCode, 65) << asked.err;
    EXPECT_NE(asked.err.find("has no channels"), std::string::npos) << asked.err;
    const CliRun allowed = Cli({"write", zero, "--allow-empty", "--device", sim.Device()});
    EXPECT_EQ(allowed.exitCode, 65) << allowed.err;
    EXPECT_NE(allowed.err.find("the radio cannot hold (136-174, 200-260, 300-520 MHz): 1, 2, 3"),
              std::string::npos)
        << allowed.err;

    // One channel out of the radio's reach among good ones is named alone, for a data write and
    // for the data of a calibration write-all.
    const std::string gap = WithChannelsAt(Path("radio.Vkf"), "gap.Vkf", {5}, 280000000);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"write", gap},
          std::vector<std::string>{"calibration", "write-all", Path("radio.vkfa"), gap}}) {
        if (command.size() > 2) {
            ASSERT_EQ(
                Cli({"calibration", "read", "--device", sim.Device(), "-o", Path("radio.vkfa")})
                    .exitCode,
                0);
        }
        std::vector<std::string> args = command;
        args.insert(args.end(), {"--device", sim.Device()});
        const CliRun refused = Cli(args);
        EXPECT_EQ(refused.exitCode, 65) << refused.err;
        EXPECT_NE(refused.err.find("MHz): 5. Nothing was written."), std::string::npos)
            << refused.err;
    }
    EXPECT_EQ(ProjectOf(sim, "after.Vkf"), before);
}

}  // namespace
}  // namespace radioprog::e2e
