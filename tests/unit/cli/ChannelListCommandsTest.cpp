#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::ReadAll;
using testing::RunProgram;
using testing::TempFolder;

class ChannelListCommands : public testing::CliTest {
  protected:
    // A project of random bytes: whatever it holds must come back byte for byte.
    void SetUp() override {
        CliTest::SetUp();
        std::mt19937 random(12);
        ProjectImage image;
        for (auto& b : image.Raw()) {
            b = static_cast<uint8_t>(random());
        }
        ASSERT_TRUE(SaveProject(project_, image, BandLimits{136000000, 174000000}));
    }

    std::string project_ = folder_.File("my radio.Vkf");
};

TEST_F(ChannelListCommands, ExportThenImportGivesTheSameFile) {
    const auto toStdout = Cli({"export-csv", project_});
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_TRUE(toStdout.out.starts_with("NO.,RX Freq.,")) << toStdout.out;

    const std::string csv = folder_.File("channels.csv");
    const auto exported = Cli({"export-csv", project_, "-o", csv});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(ReadAll(csv), toStdout.out);

    const std::string out = folder_.File("out.Vkf");
    const auto imported = Cli({"import-csv", csv, "--base", project_, "-o", out});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(ReadAll(out), ReadAll(project_));
}

TEST_F(ChannelListCommands, BadDataIsExit65WithTheMessageAndNoFile) {
    const std::string csv = folder_.File("bad.csv");
    std::ofstream(csv) << "NO.,RX Freq.\r\n1,146.5\r\n2,146.5.5\r\n";
    const std::string out = folder_.File("out.Vkf");
    const auto result = Cli({"import-csv", csv, "--base", project_, "-o", out});
    EXPECT_EQ(result.exitCode, 65);
    EXPECT_NE(result.err.find("line 3, column 2 (RX Freq.), channel 2: \"146.5.5\""),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                            std::filesystem::directory_iterator()),
              4)
        << "only the project, the list and the captured output are left";
}

TEST_F(ChannelListCommands, AValueOutsideTheBandIsExit65NotClamped) {
    const std::string csv = folder_.File("band.csv");
    std::ofstream(csv) << "NO.,RX Freq.,QT/DQT Dec\r\n1,146.5,Off\r\n2,520.00000,Off\r\n"
                          "3,146.5,99.9\r\n";
    const std::string out = folder_.File("out.Vkf");
    auto result = Cli({"import-csv", csv, "--base", project_, "-o", out});
    EXPECT_EQ(result.exitCode, 65);
    EXPECT_NE(
        result.err.find("line 3, column 2 (RX Freq.), channel 2: \"520.00000\" is outside the "
                        "band 136.00000\u2013174.00000 MHz"),
        std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    std::ofstream(csv) << "NO.,RX Freq.,QT/DQT Dec\r\n3,146.5,99.9\r\n";
    result = Cli({"import-csv", csv, "--base", project_, "-o", out});
    EXPECT_EQ(result.exitCode, 65);
    EXPECT_NE(result.err.find("line 2, column 3 (QT/DQT Dec), channel 3: \"99.9\""),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ChannelListCommands, MissingFilesAndUsageHaveTheirExitCodes) {
    const std::string out = folder_.File("out.Vkf");
    EXPECT_EQ(Cli({"export-csv", folder_.File("none.Vkf")}).exitCode, 66);
    EXPECT_EQ(Cli({"import-csv", folder_.File("none.csv"), "--base", project_, "-o", out}).exitCode,
              66);
    EXPECT_EQ(Cli({"import-csv", project_, "-o", out}).exitCode, 64) << "--base is required";
    EXPECT_EQ(Cli({"import-csv", project_, "--base", project_}).exitCode, 64) << "-o is required";
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace radioprog
