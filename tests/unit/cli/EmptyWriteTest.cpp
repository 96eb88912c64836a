// Writing a project without channels clears a radio: the command line wants it said.
#include <gtest/gtest.h>

#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::BinDir;
using testing::RunProgram;
using testing::TempFolder;

TEST(EmptyWrite, IsRefusedWith65UnlessAllowedByName) {
    TempFolder folder;
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, false);
    }
    const std::string blank = folder.File("blank.Vkf");
    ASSERT_TRUE(SaveProject(blank, image, BandLimits{}));
    const testing::CliTool cli(folder.Path());
    const std::string device = folder.File("no-radio");

    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"write", blank, "--device", device},
          std::vector<std::string>{"calibration", "write-all", blank, blank, "--device", device}}) {
        const auto refused = cli(command);
        EXPECT_EQ(refused.exitCode, 65) << refused.err;
        EXPECT_NE(refused.err.find("has no channels: writing it clears all 16 channels of the "
                                   "radio. Use --allow-empty"),
                  std::string::npos)
            << refused.err;
    }

    // Allowed, the write goes on to the line, which is not there.
    auto allowed = cli({"write", blank, "--allow-empty", "--device", device});
    EXPECT_NE(allowed.exitCode, 65) << allowed.err;
    EXPECT_NE(allowed.err.find("no-radio"), std::string::npos) << allowed.err;

    image.Channel(4).InitialiseNew(446006250);
    image.SetChannelValid(4, true);
    ASSERT_TRUE(SaveProject(blank, image, BandLimits{}));
    allowed = cli({"write", blank, "--device", device});
    EXPECT_NE(allowed.exitCode, 65) << allowed.err;
}

}  // namespace
}  // namespace radioprog
