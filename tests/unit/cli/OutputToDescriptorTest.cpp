// Every command that writes an output file takes "-", /dev/stdout and /dev/fd/N as the
// descriptor the shell handed over, as the commands that read a radio do (tests/e2e).

#include <gtest/gtest.h>

#include <fstream>

#include "calibration/CalibrationData.h"
#include "channellist/ChannelCsv.h"
#include "model/ProjectFile.h"
#include "support/CliCommandTable.h"
#include "support/CliTest.h"
#include "support/DescriptorOutputCheck.h"

namespace radioprog {
namespace {

using OutputToDescriptor = testing::CliTest;

TEST_F(OutputToDescriptor, EveryFileCommandWritesWhereTheShellRedirected) {
    AppData data;
    ResetProjectToDefaults(data);
    data.image.Channel(3).InitialiseNew(446006250);
    data.image.SetChannelValid(3, true);
    ASSERT_TRUE(SaveProject(Path("radio.Vkf"), data.image, data.band));
    std::ofstream(Path("channels.csv")) << ExportChannelsCsv(data.image);
    const std::map<std::string, std::string> values = {
        {cli::kProjectArgument, Path("radio.Vkf")},
        {cli::kChannelListArgument, Path("channels.csv")}};

    int checked = 0;
    for (const auto& command : testing::ToolCommands()) {
        if (!command.readsRadio && command.Takes(cli::kOutputArgument)) {
            testing::ExpectOutputThroughDescriptors(cli_, command, values, {}, folder_.Path());
            ++checked;
        }
    }
    EXPECT_GE(checked, 3);  // export-csv, import-csv, sheet
}

// A descriptor that cannot take the output is refused before anything is done, and an
// output name that only looks like a descriptor stays a file name.
TEST_F(OutputToDescriptor, ADescriptorNotOpenForWritingIsRefused) {
    AppData data;
    ResetProjectToDefaults(data);
    ASSERT_TRUE(SaveProject(Path("radio.Vkf"), data.image, data.band));
    testing::ProgramIo io = testing::FedWith("");
    const auto readOnly = Cli({"export-csv", Path("radio.Vkf"), "-o", "/dev/fd/0"}, io);
    EXPECT_EQ(readOnly.exitCode, cli::kExitOutputError);
    EXPECT_NE(readOnly.err.find("Cannot write to \"/dev/fd/0\" (descriptor 0)"), std::string::npos)
        << readOnly.err;

    const auto notANumber = Cli({"export-csv", Path("radio.Vkf"), "-o", "/dev/fd/1x"});
    EXPECT_EQ(notANumber.exitCode, cli::kExitFileError) << notANumber.err;
}

}  // namespace
}  // namespace radioprog
