// What import-csv takes as a list and what the channel list commands say when something is
// wrong: devices are refused like any other non-file, pipes are read, messages stay short and
// keep their reason.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::ReadAll;
using testing::TempFolder;

class ChannelListInput : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        cli_.StopAfter(std::chrono::seconds(20));
        signal(SIGPIPE, SIG_IGN);  // a tool that stops reading early must not end the test
        ProjectImage image;
        image.ResetToDefaults();
        image.Channel(1).InitialiseNew(146520000);
        image.SetChannelValid(1, true);
        ASSERT_TRUE(SaveProject(project_, image, BandLimits{136000000, 174000000}));
    }

    std::string Exported() {
        const CliRun run = Cli({"export-csv", project_});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    std::string project_ = folder_.File("radio.Vkf");
    std::string output_ = folder_.File("out.Vkf");
};

TEST_F(ChannelListInput, ADeviceIsNotAListButAPipeIs) {
    for (const std::string device : {"/dev/null", "/dev/zero"}) {
        const CliRun run = Cli({"import-csv", device, "--base", project_, "-o", output_});
        EXPECT_EQ(run.exitCode, 66) << device << "\n" << run.err;
        EXPECT_NE(run.err.find(device), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("device"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(output_));
    }

    const std::string csv = Exported();
    const CliRun fromStdin =
        Cli({"import-csv", "-", "--base", project_, "-o", output_}, testing::FedWith(csv));
    EXPECT_EQ(fromStdin.exitCode, 0) << fromStdin.err;
    EXPECT_EQ(ReadAll(output_), ReadAll(project_));
    std::filesystem::remove(output_);

    // As the shell's <(command) hands it over.
    const std::string fifo = folder_.File("list.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const pid_t writer = fork();
    if (writer == 0) {
        std::ofstream(fifo, std::ios::binary) << csv;
        _exit(0);
    }
    const CliRun fromPipe = Cli({"import-csv", fifo, "--base", project_, "-o", output_});
    waitpid(writer, nullptr, 0);
    EXPECT_EQ(fromPipe.exitCode, 0) << fromPipe.err;
    EXPECT_EQ(ReadAll(output_), ReadAll(project_));
}

// A cell of any size is quoted in a line of readable length, and the error still says where.
TEST_F(ChannelListInput, AHugeCellIsQuotedShort) {
    const std::string huge(900000, 'x');
    const CliRun run = Cli({"import-csv", "-", "--base", project_, "-o", output_},
                           testing::FedWith("NO.,RX Freq.,Name\r\n1,146.5," + huge + "\r\n"));
    EXPECT_EQ(run.exitCode, 65) << run.err.substr(0, 400);
    EXPECT_LT(run.err.size(), 400u) << run.err.substr(0, 400);
    EXPECT_NE(run.err.find("line 2, column 3 (Name), channel 1: \"xxxxxxxxxx"), std::string::npos)
        << run.err.substr(0, 400);
    EXPECT_FALSE(std::filesystem::exists(output_));
}

TEST_F(ChannelListInput, StandardOutputThatCannotBeWrittenSaysWhy) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"export-csv", project_},
                                                 {"show", project_},
                                                 {"show", "--json", project_}}) {
        const CliRun run = Cli(args, testing::StdoutTo("/dev/full"));
        EXPECT_EQ(run.exitCode, 74) << args[0] << "\n" << run.err;
        EXPECT_NE(run.err.find("Cannot write to standard output: No space left on device"),
                  std::string::npos)
            << args[0] << "\n"
            << run.err;
    }
}

}  // namespace
}  // namespace radioprog
