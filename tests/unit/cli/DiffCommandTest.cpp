#include <gtest/gtest.h>

#include <fstream>

#include "channellist/ChannelColumns.h"
#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::RunProgram;
using testing::TempFolder;

class DiffCommand : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        image_.ResetToDefaults();
        image_.Channel(3).InitialiseNew(446006250);
        image_.SetChannelValid(3, true);
        ASSERT_TRUE(SaveProject(first_, image_, band_));
    }

    CliRun Diff(const std::string& other) { return Cli({"diff", first_, other}); }

    std::string first_ = folder_.File("first one.Vkf");
    std::string second_ = folder_.File("second.Vkf");
    ProjectImage image_;
    BandLimits band_{400000000, 480000000};
};

TEST_F(DiffCommand, ExitsZeroWhenEqualAndOneWithALinePerDifferingField) {
    ASSERT_TRUE(SaveProject(second_, image_, band_));
    const CliRun same = Diff(second_);
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");

    image_.Channel(3).SetRxFreq(446100000);
    image_.SetText(ChannelNameField(3), "GATE");
    ASSERT_TRUE(SaveProject(second_, image_, band_));
    const CliRun differ = Diff(second_);
    EXPECT_EQ(differ.exitCode, 1) << differ.err;
    EXPECT_EQ(differ.out,
              "channel 3  RX Freq.: \"446.00625\" -> \"446.10000\"\n"
              "channel 3  Name: \"\" -> \"GATE\"\n");
    EXPECT_EQ(differ.err, "");
}

TEST_F(DiffCommand, ABadOrMissingFileExitsAsTheOtherFileCommandsDo) {
    std::ofstream(second_) << "not a project\n";
    const CliRun bad = Diff(second_);
    EXPECT_EQ(bad.exitCode, 65);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("second.Vkf"), std::string::npos) << bad.err;

    const CliRun missing = Diff(folder_.File("absent.Vkf"));
    EXPECT_EQ(missing.exitCode, 66);
    EXPECT_NE(missing.err.find("absent.Vkf"), std::string::npos) << missing.err;

    const CliRun alone = Cli({"diff", first_});
    EXPECT_EQ(alone.exitCode, 64) << "neither a second file nor a radio";
}

}  // namespace
}  // namespace radioprog
