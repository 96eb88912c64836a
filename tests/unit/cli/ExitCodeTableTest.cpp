// One exit code per kind of failure, whatever the command: every command of the command
// table is run with one argument spoiled at a time, and the code it ends with must be the
// table's code for that kind. The same table closes --help and makes the manual's section.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <regex>

#include "calibration/CalibrationData.h"
#include "channellist/ChannelCsv.h"
#include "cli/ExitCodes.h"
#include "model/ProjectFile.h"
#include "support/CliCommandTable.h"
#include "support/CliTest.h"
#include "support/Programs.h"

namespace radioprog {
namespace {

using cli::ExitCodeTable;
using testing::CliArgument;
using testing::ProgramIo;
using testing::ToolCommand;

// Runs of white space as one space, and a manual page's escaped hyphens as hyphens, so that
// a meaning wrapped over lines reads as the table holds it.
std::string Flattened(const std::string& text) {
    std::string flat = std::regex_replace(text, std::regex(R"(\\f[BIRP]|\\[,/])"), "");
    flat = std::regex_replace(flat, std::regex(R"(\\-)"), "-");
    return std::regex_replace(flat, std::regex(R"(\s+)"), " ");
}

bool InTable(int code) {
    for (const auto& row : ExitCodeTable()) {
        if (row.code == code) {
            return true;
        }
    }
    return false;
}

// A descriptor number this process (and so the tool it starts) does not hold.
int DescriptorNotOpen() {
    int fd = 10;
    while (fcntl(fd, F_GETFD) != -1) {
        ++fd;
    }
    return fd;
}

class ExitCodes : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        AppData data;
        ResetProjectToDefaults(data);
        data.image.Channel(1).InitialiseNew(438000000);
        data.image.SetChannelValid(1, true);
        ASSERT_TRUE(SaveProject(Path("radio.Vkf"), data.image, data.band));
        ResetCalibrationData(data.calibration, data.band);
        ASSERT_TRUE(SaveCalibrationFile(Path("radio.vkfa"), data.calibration));
        std::ofstream(Path("channels.csv")) << ExportChannelsCsv(data.image);
        values_ = {{cli::kProjectArgument, Path("radio.Vkf")},
                   {cli::kCalibrationArgument, Path("radio.vkfa")},
                   {cli::kChannelListArgument, Path("channels.csv")},
                   {cli::kOutputArgument, Path("written")}};
    }

    std::map<std::string, std::string> values_;
    std::string device_ = Path("no-such-tty");
};

struct Spoiler {
    const char* kind;
    const char* what;
    std::string value;
    int expected;
    bool standardOutputFull = false;
};

TEST_F(ExitCodes, EveryCommandEndsEachKindOfFailureWithTheTablesCode) {
    const std::vector<Spoiler> spoilers = {
        {cli::kProjectArgument, "a project that is not there", Path("none.Vkf"),
         cli::kExitFileError},
        {cli::kProjectArgument, "a channel list given as a project", Path("channels.csv"),
         cli::kExitDataError},
        {cli::kCalibrationArgument, "a calibration file that is not there", Path("none.vkfa"),
         cli::kExitFileError},
        {cli::kChannelListArgument, "a channel list that is not there", Path("none.csv"),
         cli::kExitFileError},
        {cli::kOutputArgument, "an output in a folder that is not there", Path("none/written"),
         cli::kExitFileError},
        {cli::kOutputArgument, "an output descriptor that is not open",
         "/dev/fd/" + std::to_string(DescriptorNotOpen()), cli::kExitOutputError},
        {cli::kOutputArgument, "standard output that cannot take the output", "-",
         cli::kExitOutputError, true},
    };

    const auto commands = testing::ToolCommands();
    ASSERT_GE(commands.size(), 10u);
    for (const ToolCommand& command : commands) {
        SCOPED_TRACE(command.Title());
        // Good arguments: the job runs, and a radio command meets no radio.
        const int missingRadio =
            command.Title() == "diff" ? cli::kExitRadioDidNotAnswer : cli::kExitCommunicationFalse;
        const int normal = command.readsRadio ? missingRadio : cli::kExitSuccess;
        const auto good = Cli(command.Line(values_, device_));
        EXPECT_EQ(good.exitCode, normal) << good.err;

        auto unknown = command.Line(values_, device_);
        unknown.push_back("--no-such-option");
        EXPECT_EQ(Cli(unknown).exitCode, cli::kExitUsage);

        for (size_t i = 0; i < command.arguments.size(); ++i) {
            const CliArgument& argument = command.arguments[i];
            // An optional argument is spoiled where giving it a good value keeps the line
            // good (diff's second file and a radio exclude each other).
            if (!argument.required && values_.contains(argument.kind) &&
                Cli(command.Line(values_, device_, {{i, values_.at(argument.kind)}})).exitCode !=
                    normal) {
                continue;
            }
            for (const Spoiler& spoiler : spoilers) {
                // A radio command reaches its output only after a job, which fails first.
                if (spoiler.kind != argument.kind ||
                    (spoiler.standardOutputFull && command.readsRadio)) {
                    continue;
                }
                SCOPED_TRACE(std::string(argument.flag) + " " + spoiler.what);
                ASSERT_TRUE(InTable(spoiler.expected));
                const ProgramIo io =
                    spoiler.standardOutputFull ? testing::StdoutTo("/dev/full") : ProgramIo{};
                const auto spoiled = Cli(command.Line(values_, device_, {{i, spoiler.value}}), io);
                EXPECT_EQ(spoiled.exitCode, spoiler.expected) << spoiled.err;
            }
        }
    }
}

TEST_F(ExitCodes, HelpAndTheManualListEveryRowOfTheTable) {
    const auto help = Cli({"--help"});
    ASSERT_EQ(help.exitCode, 0) << help.err;
    const std::string helpText = Flattened(help.out.substr(help.out.find("Exit status:")));

    const std::string page = Path("radioprog-cli.1.gz");
    const auto made = testing::RunProgram(
        {"/bin/sh", RADIOPROG_SOURCE_DIR "/packaging/make-manpage", testing::BinDir(),
         "radioprog-cli", RADIOPROG_SOURCE_DIR "/packaging/man/radioprog-cli.h2m", "0", page},
        folder_.Path());
    if (made.exitCode != 0 && made.err.find("help2man") != std::string::npos) {
        GTEST_SKIP() << "help2man is not installed: " << made.err;
    }
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const auto unpacked = testing::RunProgram({"/bin/gzip", "-dc", page}, folder_.Path());
    const std::string manual = unpacked.out;
    const size_t section = manual.find(".SH \"EXIT STATUS\"\n");
    ASSERT_NE(section, std::string::npos) << manual;
    EXPECT_EQ(manual.find("EXIT STATUS", section + 8), std::string::npos) << "two sections";
    const std::string exitStatus =
        manual.substr(section, manual.find("\n.SH", section + 1) - section);

    for (const auto& row : ExitCodeTable()) {
        const std::string meaning = Flattened(std::string(row.meaning));
        EXPECT_NE(helpText.find(" " + std::to_string(row.code) + " " + meaning), std::string::npos)
            << row.code << "\n"
            << help.out;
        EXPECT_NE(Flattened(exitStatus).find(".TP " + std::to_string(row.code) + " " + meaning),
                  std::string::npos)
            << row.code << "\n"
            << exitStatus;
    }
}

}  // namespace
}  // namespace radioprog
