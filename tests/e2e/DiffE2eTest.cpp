// radioprog-cli diff against radiosim: a project compared with what the radio holds.

#include <gtest/gtest.h>

#include "appdata/AppData.h"
#include "model/FreqCodec.h"
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

using DiffWithRadio = testing::CliTest;

TEST_F(DiffWithRadio, AFileReadFromTheRadioIsEqualAndAChangedChannelIsNamed) {
    Radiosim sim({});
    ASSERT_FALSE(sim.Device().empty());
    const std::string file = folder_.File("radio.Vkf");
    ASSERT_EQ(Cli({"read", "--device", sim.Device(), "-o", file}).exitCode, 0);

    const CliRun same = Cli({"diff", file, "--device", sim.Device()});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");

    AppData data;
    ASSERT_TRUE(OpenProject(file, data.image, data.band));
    int channel = 1;
    while (!data.image.IsChannelValid(channel)) {
        ++channel;
    }
    ASSERT_LE(channel, kChannelCount) << "the simulated radio holds a channel";
    const std::string radioRx = FreqToText(data.image.Channel(channel).RxFreq());
    data.image.Channel(channel).SetRxFreq(data.image.Channel(channel).RxFreq() + 12500);
    const std::string fileRx = FreqToText(data.image.Channel(channel).RxFreq());
    ASSERT_TRUE(SaveProject(file, data.image, data.band));

    const CliRun differ = Cli({"diff", file, "--device", sim.Device()});
    EXPECT_EQ(differ.exitCode, 1) << differ.err;
    EXPECT_EQ(differ.out, "channel " + std::to_string(channel) + "  RX Freq.: \"" + fileRx +
                              "\" -> \"" + radioRx + "\"\n");
}

TEST_F(DiffWithRadio, AFailedReadExitsWithTheReadsCode) {
    Radiosim sim({"--password", "secret"});
    ASSERT_FALSE(sim.Device().empty());
    AppData data;
    ResetProjectToDefaults(data);
    const std::string file = folder_.File("mine.Vkf");
    ASSERT_TRUE(SaveProject(file, data.image, data.band));

    const CliRun read = Cli({"read", "--device", sim.Device(), "-o", folder_.File("r.Vkf")});
    const CliRun diff = Cli({"diff", file, "--device", sim.Device()});
    EXPECT_NE(read.exitCode, 0);
    EXPECT_EQ(diff.exitCode, read.exitCode) << diff.err;
    EXPECT_EQ(diff.out, "");

    // Opened, the radio's channels differ from a new project's none.
    const CliRun opened = Cli({"diff", file, "--device", sim.Device(), "--password", "secret"});
    EXPECT_EQ(opened.exitCode, 1) << opened.err;
    EXPECT_NE(opened.out.find("(not in use) -> \""), std::string::npos) << opened.out;
}

}  // namespace
}  // namespace radioprog::e2e
