// A radio that acknowledges a write block without storing it, through radioprog-cli and
// radiosim on a real pseudo-terminal: the write looks like any other, only a read shows it.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "appdata/AppData.h"
#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::Radiosim;
using testing::RunProgram;
using testing::TempFolder;

// Frequencies and tones of channel n: on every kind of radio they lie in the channel's first
// 16 bytes, the block the fault drops.
using ChannelFields = std::tuple<bool, uint32_t, uint32_t, uint8_t, uint16_t, uint8_t, uint16_t>;

ChannelFields ChannelOf(const std::string& path, int n) {
    AppData data;
    EXPECT_TRUE(OpenProject(path, data.image, data.band)) << path;
    const ChannelRecord r = data.image.Channel(n);
    return {data.image.IsChannelValid(n),
            r.RxFreq(),
            r.TxFreq(),
            r.RxToneType(),
            r.RxToneCode(),
            r.TxToneType(),
            r.TxToneCode()};
}

std::string SaveThreeChannels(const std::string& path) {
    AppData data;
    ResetProjectToDefaults(data);
    data.band = {420000000, 470000000};
    const int numbers[] = {1, 7, 16};
    const uint32_t frequencies[] = {438000000, 445506250, 462562500};
    for (int i = 0; i < 3; ++i) {
        ChannelRecord r = data.image.Channel(numbers[i]);
        r.InitialiseNew(frequencies[i]);
        r.SetTxTone(1, 885);
        data.image.SetChannelValid(numbers[i], true);
    }
    EXPECT_TRUE(SaveProject(path, data.image, data.band));
    return path;
}

struct DroppedBlock {
    const char* kind;
    const char* channelOneAddress;
    friend std::ostream& operator<<(std::ostream& out, const DroppedBlock& b) {
        return out << b.kind << " radio dropping " << b.channelOneAddress;
    }
};

class DroppedWrite : public ::testing::TestWithParam<DroppedBlock> {};

TEST_P(DroppedWrite, WriteReportsSuccessYetTheRadioKeepsTheOldBlock) {
    ASSERT_FALSE(BinDir().empty()) << "RADIOPROG_BIN_DIR must name the programs' folder";
    TempFolder folder;
    const testing::CliTool cli(folder.Path());
    Radiosim radio({"--kind", GetParam().kind, "--drop-write", GetParam().channelOneAddress});
    ASSERT_FALSE(radio.Device().empty());
    const std::string written = SaveThreeChannels(folder.File("mine.Vkf"));

    ASSERT_EQ(cli({"read", "--device", radio.Device(), "-o", folder.File("before.Vkf")}).exitCode,
              0);
    const CliRun write = cli({"write", written, "--device", radio.Device()});
    EXPECT_EQ(write.exitCode, 0) << write.err;
    EXPECT_NE(write.err.find("SUCCESS"), std::string::npos) << write.err;
    const CliRun read = cli({"read", "--device", radio.Device(), "-o", folder.File("after.Vkf")});
    ASSERT_EQ(read.exitCode, 0) << read.err;

    const std::string before = folder.File("before.Vkf"), after = folder.File("after.Vkf");
    ASSERT_NE(ChannelOf(before, 1), ChannelOf(written, 1)) << "the write must change channel 1";
    EXPECT_EQ(ChannelOf(after, 1), ChannelOf(before, 1));
    EXPECT_EQ(ChannelOf(after, 7), ChannelOf(written, 7));
    EXPECT_EQ(ChannelOf(after, 16), ChannelOf(written, 16));
}

// Current radios keep channel 1 at 0x8080; legacy radios at buffer offset 0x0010.
INSTANTIATE_TEST_SUITE_P(Kinds, DroppedWrite,
                         ::testing::Values(DroppedBlock{"S", "0x8080"}, DroppedBlock{"Y", "32896"},
                                           DroppedBlock{"legacy", "0x0010"}),
                         [](const auto& testCase) { return std::string(testCase.param.kind); });

}  // namespace
}  // namespace radioprog::e2e
