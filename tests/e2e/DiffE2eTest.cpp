// radioprog-cli diff against radiosim: a project compared with what the radio holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "appdata/AppData.h"
#include "cli/CliContext.h"
#include "model/FreqCodec.h"
#include "model/ProjectFields.h"
#include "model/ProjectFile.h"
#include "model/ToneCodec.h"
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

// The settings a radio holds beside the channels are compared like them; what it does not
// hold is named on standard error and does not differ.
TEST_F(DiffWithRadio, AfterAVerifiedWriteEverySettingTheRadioHoldsIsCompared) {
    Radiosim sim({});
    ASSERT_FALSE(sim.Device().empty());
    const std::string written = folder_.File("written.Vkf");
    ASSERT_EQ(Cli({"read", "--device", sim.Device(), "-o", written}).exitCode, 0);
    const CliRun write = Cli({"write", written, "--device", sim.Device(), "--verify"});
    ASSERT_EQ(write.exitCode, 0) << write.err;

    AppData data;
    ASSERT_TRUE(OpenProject(written, data.image, data.band));
    ProjectImage& image = data.image;
    image.Set(settings::Vox, static_cast<uint8_t>(image.Get(settings::Vox) + 1));
    image.Set(settings::VoxDelay, static_cast<uint16_t>(image.Get(settings::VoxDelay) + 500));
    image.Set(settings::Key1Short,
              static_cast<uint8_t>(image.Get(settings::Key1Short) == 2 ? 3 : 2));
    image.Set(settings::Key2Short,
              static_cast<uint8_t>(image.Get(settings::Key2Short) == 25 ? 3 : 25));
    image.Set(settings::AlarmCode,
              static_cast<uint16_t>(image.Get(settings::AlarmCode) == 4500 ? 6300 : 4500));
    image.Set(settings::Alarm, static_cast<uint8_t>(image.Get(settings::Alarm) == 0 ? 1 : 0));
    // Kept in the project file only.
    image.Set(settings::DtmfId, static_cast<uint16_t>(image.Get(settings::DtmfId) + 1));
    const std::string other = folder_.File("other.Vkf");
    ASSERT_TRUE(SaveProject(other, data.image, data.band));

    const CliRun differ = Cli({"diff", other, "--device", sim.Device()});
    EXPECT_EQ(differ.exitCode, 1) << differ.err;
    std::vector<std::string> named;
    for (size_t at = 0; at < differ.out.size();) {
        const size_t end = differ.out.find('\n', at);
        const std::string line = differ.out.substr(at, end - at);
        EXPECT_TRUE(line.starts_with("setting  ")) << line;
        named.push_back(line.substr(9, line.find(':') - 9));
        at = end == std::string::npos ? differ.out.size() : end + 1;
    }
    std::ranges::sort(named);
    EXPECT_EQ(named, (std::vector<std::string>{"Alarm", "AlarmCode", "Key1Short", "Key2Short",
                                               "Vox", "VoxDelay"}))
        << differ.out;
    EXPECT_NE(differ.err.find(", DtmfId, "), std::string::npos) << differ.err;
    EXPECT_NE(differ.err.find("channel Name"), std::string::npos) << differ.err;
}

// "Off" typed in the grid is stored with the tone parser's code, and a radio read stores
// another behind it: the radio holds no tone either way, so nothing differs.
TEST_F(DiffWithRadio, ATonelessChannelWrittenAndReadBackIsTheSame) {
    Radiosim sim({});
    ASSERT_FALSE(sim.Device().empty());
    const std::string file = folder_.File("off.Vkf");
    ASSERT_EQ(Cli({"read", "--device", sim.Device(), "-o", file}).exitCode, 0);
    AppData data;
    ASSERT_TRUE(OpenProject(file, data.image, data.band));
    uint8_t type = kToneCtcss;
    uint16_t code = 0;
    ASSERT_TRUE(TextToTone("Off", type, code));
    for (int n = 1; n <= kChannelCount; ++n) {
        data.image.Channel(n).SetRxTone(type, code);
        data.image.Channel(n).SetTxTone(type, code);
    }
    ASSERT_TRUE(data.image.HasChannelInUse());
    ASSERT_TRUE(SaveProject(file, data.image, data.band));
    const CliRun write = Cli({"write", file, "--device", sim.Device(), "--verify"});
    ASSERT_EQ(write.exitCode, 0) << write.err;

    const CliRun same = Cli({"diff", file, "--device", sim.Device()});
    EXPECT_EQ(same.exitCode, 0) << same.out;
    EXPECT_EQ(same.out, "");
}

// A radio that cannot be reached is no difference: diff prints no line, says why in the read's
// words and ends with a code of its own, which a script cannot take for "the sides differ".
TEST_F(DiffWithRadio, AnUnreachableRadioIsNeverReportedAsADifference) {
    AppData data;
    ResetProjectToDefaults(data);
    const std::string file = folder_.File("mine.Vkf");
    ASSERT_TRUE(SaveProject(file, data.image, data.band));
    Radiosim silent({"--silent"});
    ASSERT_FALSE(silent.Device().empty());
    for (const std::string& device : {folder_.File("no-such-device"), silent.Device()}) {
        SCOPED_TRACE(device);
        const CliRun read = Cli({"read", "--device", device, "-o", folder_.File("r.Vkf")});
        const CliRun diff = Cli({"diff", file, "--device", device});
        EXPECT_EQ(read.exitCode, cli::kExitCommunicationFalse);
        EXPECT_EQ(diff.exitCode, cli::kExitRadioDidNotAnswer) << "never the 1 of \"differ\"";
        EXPECT_EQ(diff.out, "");
        EXPECT_NE(diff.err.find("Communication False"), std::string::npos) << diff.err;
    }
}

using DiffFiles = testing::CliTest;

// A password differs like any field, but neither side's text reaches the output.
TEST_F(DiffFiles, APasswordIsNamedWithoutItsText) {
    AppData data;
    ResetProjectToDefaults(data);
    data.image.SetText(image::UnlockPassword, "kappa7");
    const std::string mine = folder_.File("mine.Vkf");
    ASSERT_TRUE(SaveProject(mine, data.image, data.band));
    data.image.SetText(image::UnlockPassword, "sigma9");
    const std::string theirs = folder_.File("theirs.Vkf");
    ASSERT_TRUE(SaveProject(theirs, data.image, data.band));

    const CliRun diff = Cli({"diff", mine, theirs});
    EXPECT_EQ(diff.exitCode, 1) << diff.err;
    EXPECT_EQ(diff.out, "setting  UnlockPassword: (hidden) -> (hidden)\n");
    EXPECT_EQ((diff.out + diff.err).find("kappa7"), std::string::npos);
    EXPECT_EQ((diff.out + diff.err).find("sigma9"), std::string::npos);
}

}  // namespace
}  // namespace radioprog::e2e
