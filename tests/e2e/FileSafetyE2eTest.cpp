// radioprog-cli and the files a user names: what is not a file is refused before the radio is
// contacted, replaced files keep what they were, and output that cannot be written is an error.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "model/ProjectFile.h"
#include "model/ProjectImage.h"
#include "support/CliTest.h"
#include "support/Programs.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::Radiosim;

namespace fs = std::filesystem;

class FileSafetyTest : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        cli_.StopAfter(std::chrono::seconds(10));
    }

    std::string MakePipe(const std::string& name) const {
        const std::string path = Path(name);
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        return path;
    }
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// A device that does not exist: a command that got as far as the radio fails there with
// exit code 1, so 66 shows the output was refused first.
constexpr const char* kNoRadio = "/nonexistent/ttyUSB9";

TEST_F(FileSafetyTest, OutputThatCannotTakeAFileIsRefusedBeforeTheRadio) {
    fs::create_directory(Path("folder"));
    const std::string pipe = MakePipe("pipe.Vkf");
    fs::create_symlink(pipe, Path("link.Vkf"));
    const std::string tooLong = Path(std::string(300, 'n') + ".Vkf");
    for (const std::string& output :
         {std::string("/dev/null"), Path("folder"), pipe, Path("link.Vkf"), tooLong,
          std::string("/proc/self/radio.Vkf"), std::string("")}) {
        for (const char* command : {"read", "calibration"}) {
            std::vector<std::string> args = {"read", "--device", kNoRadio, "-o", output};
            if (std::string(command) == "calibration") {
                args.insert(args.begin(), "calibration");
            }
            const CliRun run = Cli(args);
            EXPECT_EQ(run.exitCode, 66) << command << " -o " << output << "\n" << run.err;
            if (!output.empty()) {
                EXPECT_NE(run.err.find(output), std::string::npos) << run.err;
            }
            EXPECT_EQ(run.err.find(".XXXXXX"), std::string::npos) << run.err;
        }
    }
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
}

TEST_F(FileSafetyTest, ReadOverAPrivateProjectKeepsItPrivateAndKeepsTheLink) {
    Radiosim sim({});
    const std::string real = Path("radio.Vkf");
    std::ofstream(real) << "old";
    ASSERT_EQ(chmod(real.c_str(), 0600), 0);
    fs::create_symlink("radio.Vkf", Path("latest.Vkf"));

    const CliRun run = Cli({"read", "--device", sim.Device(), "-o", Path("latest.Vkf")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(Path("latest.Vkf")));
    EXPECT_EQ(fs::file_size(real), kProjectImageSize);
    EXPECT_EQ(ModeOf(real), 0600u);
}

TEST_F(FileSafetyTest, InputsThatAreNotFilesAreRefusedWithoutBlocking) {
    const std::string pipe = MakePipe("pipe");
    fs::create_directory(Path("folder"));
    // A project that write-all would take: a channel in use, a band the radio can have.
    ProjectImage project;
    project.ResetToDefaults();
    project.Channel(1).InitialiseNew(430000000);
    project.SetChannelValid(1, true);
    ASSERT_TRUE(SaveProject(Path("p.Vkf"), project, BandLimits{}));
    for (const std::string& input : {pipe, Path("folder")}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"show", input},
              {"write", input, "--device", kNoRadio},
              {"read", "--base", input, "-o", Path("out.Vkf"), "--device", kNoRadio},
              {"calibration", "write", input, "--device", kNoRadio},
              {"calibration", "write-all", input, Path("p.Vkf"), "--device", kNoRadio}}) {
            const CliRun run = Cli(args);
            EXPECT_EQ(run.exitCode, 66) << args[0] << " " << input << "\n" << run.err;
            EXPECT_NE(run.err.find(input), std::string::npos) << run.err;
        }
    }
}

TEST_F(FileSafetyTest, ListingThatCannotBeWrittenFailsWithSeventyFour) {
    const CliRun sample = Cli({"show", "--json", Path("none.Vkf")});
    ASSERT_EQ(sample.exitCode, 66);  // nothing to show yet
    ProjectImage project;
    project.ResetToDefaults();
    ASSERT_TRUE(SaveProject(Path("radio.Vkf"), project, BandLimits{}));

    for (const testing::ProgramIo& output :
         {testing::StdoutTo("/dev/full"), testing::StdoutClosed()}) {
        const CliRun run = Cli({"show", Path("radio.Vkf")}, output);
        EXPECT_EQ(run.exitCode, 74) << run.err;
        EXPECT_NE(run.err.find("standard output"), std::string::npos) << run.err;
    }
    // A command that prints nothing does not care where its output would have gone.
    EXPECT_EQ(Cli({"ports"}).exitCode, 0);
    const CliRun quiet =
        Cli({"read", "--device", kNoRadio, "-o", Path("a.Vkf")}, testing::StdoutClosed());
    EXPECT_EQ(quiet.exitCode, 1) << quiet.err;
}

// The configuration is the user's: one that cannot be read is reported and left alone, and a
// command that only looks never writes it.
TEST_F(FileSafetyTest, ConfigurationThatCannotBeReadIsReportedAndLeftAlone) {
    const std::string pipe = MakePipe("pipe.ini");
    fs::create_directory(Path("folder.ini"));
    for (const std::string& config : {pipe, Path("folder.ini")}) {
        const CliRun run = CliWithConfig(config, {"ports"});
        EXPECT_EQ(run.exitCode, 0) << config << "\n" << run.err;
        EXPECT_NE(run.err.find("Cannot read the configuration " + config), std::string::npos)
            << run.err;
        EXPECT_NE(run.out.find("COM9"), std::string::npos) << run.out;
    }
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_empty(Path("folder.ini")));

    const std::string mine = "[config]\nPort=2\n[ports]\nCOM2=/dev/ttyUSB5\n; by hand\n";
    std::ofstream(Path("mine.ini")) << mine;
    const CliRun run = CliWithConfig(Path("mine.ini"), {"ports"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("COM2  /dev/ttyUSB5"), std::string::npos) << run.out;
    EXPECT_EQ(testing::ReadAll(Path("mine.ini")), mine);
}

TEST_F(FileSafetyTest, ConfiguredPortOutsideOneToNineFallsBackToPortOne) {
    Radiosim sim({});
    std::ofstream(Path("odd.ini")) << "[config]\nPort=-2147483648\nAutoSeachPort=0\n"
                                   << "[ports]\nCOM1=" << sim.Device() << "\n";
    const CliRun run = CliWithConfig(Path("odd.ini"), {"status"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("CurBatt"), std::string::npos) << run.out;
}

TEST_F(FileSafetyTest, InterruptedJobSaysItWasStopped) {
    Radiosim sim({"--silent"});
    const pid_t pid = testing::StartProgram(
        CliCommand({"read", "--device", sim.Device(), "-o", Path("a.Vkf")}), folder_.Path());
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // past the port's settling
    kill(pid, SIGINT);
    EXPECT_EQ(testing::WaitAtMost(pid, std::chrono::seconds(10)), 130);
    EXPECT_NE(testing::ReadAll(Path("stderr.txt")).find("Stopped."), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("a.Vkf")));
}

}  // namespace
}  // namespace radioprog::e2e
