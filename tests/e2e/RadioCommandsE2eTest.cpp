// radioprog-cli against radiosim on a real pseudo-terminal: real bytes, real timers.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "appdata/AppData.h"
#include "calibration/CalibrationData.h"
#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::Radiosim;
using testing::RunProgram;

namespace fs = std::filesystem;

using RadioCommandsTest = testing::CliTest;

// A project with channels that every kind of radio can hold.
std::string SaveSampleProject(const std::string& path) {
    AppData data;
    ResetProjectToDefaults(data);
    data.band = {420000000, 470000000};
    const uint32_t frequencies[][2] = {
        {438000000, 438000000}, {445506250, 440006250}, {462562500, 467562500}};
    const int numbers[] = {1, 7, 16};
    for (int i = 0; i < 3; ++i) {
        ChannelRecord r = data.image.Channel(numbers[i]);
        r.InitialiseNew(frequencies[i][0]);
        r.SetTxFreq(frequencies[i][1]);
        r.SetRxTone(i == 1 ? 1 : 0, i == 1 ? 1000 : 0);
        r.SetTxTone(i == 2 ? 1 : 0, i == 2 ? 885 : 0);
        data.image.SetChannelValid(numbers[i], true);
    }
    SaveProject(path, data.image, data.band);
    return path;
}

struct Channels {
    std::vector<std::tuple<int, uint32_t, uint32_t, uint8_t, uint16_t, uint8_t, uint16_t>> list;
    friend bool operator==(const Channels&, const Channels&) = default;
};

Channels ChannelsOf(const std::string& path) {
    AppData data;
    EXPECT_TRUE(OpenProject(path, data.image, data.band)) << path;
    Channels c;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (data.image.IsChannelValid(n)) {
            const ChannelRecord r = data.image.Channel(n);
            c.list.emplace_back(n, r.RxFreq(), r.TxFreq(), r.RxToneType(), r.RxToneCode(),
                                r.TxToneType(), r.TxToneCode());
        }
    }
    return c;
}

class KindTest : public RadioCommandsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(KindTest, ReadGivesAProjectWithTheRadiosChannels) {
    Radiosim sim({"--kind", GetParam()});
    ASSERT_FALSE(sim.Device().empty());

    const CliRun run = Cli({"read", "--device", sim.Device(), "-o", Path("radio.Vkf")});

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("SUCCESS"), std::string::npos);
    ASSERT_EQ(fs::file_size(Path("radio.Vkf")), kProjectImageSize);
    EXPECT_FALSE(ChannelsOf(Path("radio.Vkf")).list.empty());
}

TEST_P(KindTest, WriteThenReadGivesBackTheSameChannels) {
    Radiosim sim({"--kind", GetParam()});
    const std::string written = SaveSampleProject(Path("mine.Vkf"));

    const CliRun write = Cli({"write", written, "--device", sim.Device()});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    const CliRun read = Cli({"read", "--device", sim.Device(), "-o", Path("back.Vkf")});
    ASSERT_EQ(read.exitCode, 0) << read.err;

    EXPECT_EQ(ChannelsOf(Path("back.Vkf")), ChannelsOf(written));
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindTest, ::testing::Values("S", "Y", "legacy"));

// Runs args with standard error on a terminal of its own (so the tool draws its progress
// bar) and returns what it drew there.
std::string TerminalOutputOf(const std::vector<std::string>& args) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        return {};
    }
    const std::string terminal = ptsname(master);
    const pid_t pid = fork();
    if (pid == 0) {
        const int slave = open(terminal.c_str(), O_RDWR | O_NOCTTY);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(slave, STDERR_FILENO);
        dup2(nowhere, STDOUT_FILENO);
        std::vector<char*> argv;
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    std::string drawn;
    char buffer[4096];
    ssize_t n;
    // Ends with EIO once the program has exited and its side of the terminal is closed.
    while ((n = read(master, buffer, sizeof buffer)) > 0) {
        drawn.append(buffer, static_cast<size_t>(n));
    }
    waitpid(pid, nullptr, 0);
    close(master);
    return drawn;
}

TEST_F(RadioCommandsTest, TerminalBarStaysFullWhenTheJobSucceeds) {
    Radiosim sim({});
    const std::string drawn =
        TerminalOutputOf(CliCommand({"read", "--device", sim.Device(), "-o", Path("a.Vkf")}));
    const size_t success = drawn.find("SUCCESS");
    ASSERT_NE(success, std::string::npos) << drawn;
    const std::string bars = drawn.substr(0, success);
    const size_t lastBar = bars.rfind('[');
    ASSERT_NE(lastBar, std::string::npos) << drawn;
    EXPECT_NE(bars.find("] 100%", lastBar), std::string::npos) << drawn;
}

TEST_F(RadioCommandsTest, ProtectedRadioOpensOnlyWithItsPassword) {
    Radiosim sim({"--password", "secret"});

    const CliRun without = Cli({"read", "--device", sim.Device(), "-o", Path("a.Vkf")});
    EXPECT_EQ(without.exitCode, 2);
    EXPECT_NE(without.err.find("Password Error"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("a.Vkf")));

    const CliRun wrong =
        Cli({"read", "--device", sim.Device(), "--password", "secreT", "-o", Path("a.Vkf")});
    EXPECT_EQ(wrong.exitCode, 2);

    const CliRun with =
        Cli({"read", "--device", sim.Device(), "--password", "secret", "-o", Path("a.Vkf")});
    EXPECT_EQ(with.exitCode, 0) << with.err;
    EXPECT_TRUE(fs::exists(Path("a.Vkf")));
}

TEST_F(RadioCommandsTest, SetPasswordLocksTheRadio) {
    Radiosim sim({});
    ASSERT_EQ(Cli({"set-password", "4321", "--device", sim.Device()}).exitCode, 0);
    EXPECT_EQ(Cli({"status", "--device", sim.Device()}).exitCode, 0);  // no password stage
    EXPECT_EQ(Cli({"read", "--device", sim.Device(), "-o", Path("a.Vkf")}).exitCode, 2);
    EXPECT_EQ(
        Cli({"read", "--device", sim.Device(), "--password", "4321", "-o", Path("a.Vkf")}).exitCode,
        0);
}

TEST_F(RadioCommandsTest, PacedRadioIsReadAndWritten) {
    Radiosim sim({"--pace"});
    const std::string written = SaveSampleProject(Path("mine.Vkf"));
    const CliRun write = Cli({"write", written, "--device", sim.Device()});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    const CliRun read = Cli({"read", "--device", sim.Device(), "-o", Path("back.Vkf")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(ChannelsOf(Path("back.Vkf")), ChannelsOf(written));
}

// A radio still waking up answers the first handshake after the tool has repeated it, and
// then answers the repeat too. Read and written, it gives and takes the same bytes as a
// prompt radio.
TEST_F(RadioCommandsTest, RadioAnsweringItsFirstHandshakeLateIsReadAndWrittenAlike) {
    const std::vector<std::string> waking = {"--first-reply-delay", "1100"};
    {
        Radiosim prompt({});
        Radiosim late(waking);
        ASSERT_EQ(Cli({"read", "--device", prompt.Device(), "-o", Path("prompt.Vkf")}).exitCode, 0);
        const CliRun read = Cli({"read", "--device", late.Device(), "-o", Path("late.Vkf")});
        ASSERT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(testing::ReadAll(Path("late.Vkf")), testing::ReadAll(Path("prompt.Vkf")));
    }

    const std::string project = SaveSampleProject(Path("mine.Vkf"));
    Radiosim prompt({"--memory", Path("prompt.mem")});
    Radiosim late({"--memory", Path("late.mem"), waking[0], waking[1]});
    ASSERT_EQ(Cli({"write", project, "--device", prompt.Device()}).exitCode, 0);
    const CliRun write = Cli({"write", project, "--device", late.Device()});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    ASSERT_EQ(prompt.Stop(), 0);
    ASSERT_EQ(late.Stop(), 0);
    std::string promptMemory = testing::ReadAll(Path("prompt.mem"));
    std::string lateMemory = testing::ReadAll(Path("late.mem"));
    ASSERT_EQ(lateMemory.size(), promptMemory.size());
    ASSERT_GT(lateMemory.size(), 0x4006u);
    // The write stamps its minute at 0x4000; two writes may straddle a minute.
    promptMemory.replace(0x4000, 6, 6, '\0');
    lateMemory.replace(0x4000, 6, 6, '\0');
    EXPECT_TRUE(lateMemory == promptMemory);
}

TEST_F(RadioCommandsTest, RadioVanishingMidTransferFailsWithoutSpinning) {
    Radiosim sim({"--reply-delay", "200"});
    const std::string err = Path("stderr.txt");
    const pid_t pid = testing::StartProgram(
        CliCommand({"read", "--device", sim.Device(), "-o", Path("a.Vkf")}), folder_.Path());
    ASSERT_GT(pid, 0);
    usleep(1500 * 1000);  // handshake and the first blocks are through
    sim.Stop();           // the line hangs up under the tool

    int status = 0;
    rusage usage{};
    ASSERT_EQ(wait4(pid, &status, 0, &usage), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << testing::ReadAll(err);
    EXPECT_FALSE(fs::exists(Path("a.Vkf")));
    // Five seconds of silence follow the hang-up; waiting them out must not busy the processor.
    const double cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    EXPECT_LT(cpuSeconds, 2.0);
}

TEST_F(RadioCommandsTest, SilentRadioFailsWithoutWritingTheOutput) {
    Radiosim sim({"--silent"});
    const CliRun run = Cli({"read", "--device", sim.Device(), "-o", Path("a.Vkf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Communication False"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("a.Vkf")));
}

TEST_F(RadioCommandsTest, LegacyRadioRefusesCalibration) {
    Radiosim sim({"--kind", "legacy"});
    const CliRun run = Cli({"calibration", "read", "--device", sim.Device(), "-o", Path("c.vkfa")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("Device is old version"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("c.vkfa")));
}

TEST_F(RadioCommandsTest, CalibrationReadWriteAndWriteAll) {
    Radiosim sim({"--kind", "Y"});
    const CliRun read =
        Cli({"calibration", "read", "--device", sim.Device(), "-o", Path("c.vkfa")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    ASSERT_EQ(fs::file_size(Path("c.vkfa")), kCalibrationDataSize);

    // Raise every point's high power a little and write it back.
    CalibrationData calibration;
    ASSERT_TRUE(LoadCalibrationFile(Path("c.vkfa"), calibration));
    CalibrationPoint point = calibration.Point(0);
    point.PowerH = static_cast<uint8_t>(point.PowerH + 3);
    calibration.SetPoint(0, point);
    ASSERT_TRUE(SaveCalibrationFile(Path("c2.vkfa"), calibration));
    EXPECT_EQ(Cli({"calibration", "write", Path("c2.vkfa"), "--device", sim.Device()}).exitCode, 0);
    ASSERT_EQ(
        Cli({"calibration", "read", "--device", sim.Device(), "-o", Path("c3.vkfa")}).exitCode, 0);
    CalibrationData back;
    ASSERT_TRUE(LoadCalibrationFile(Path("c3.vkfa"), back));
    EXPECT_EQ(back.Point(0).PowerH, point.PowerH);

    const std::string project = SaveSampleProject(Path("mine.Vkf"));
    EXPECT_EQ(Cli({"calibration", "write-all", Path("c2.vkfa"), project, "--device", sim.Device()})
                  .exitCode,
              0);
    ASSERT_EQ(Cli({"read", "--device", sim.Device(), "-o", Path("back.Vkf")}).exitCode, 0);
    EXPECT_EQ(ChannelsOf(Path("back.Vkf")), ChannelsOf(project));
}

TEST_F(RadioCommandsTest, StatusPrintsTheDecodedFields) {
    Radiosim sim({"--status", "7B 11 22 A4 00 80 80 00 3C 01 2C"});
    const CliRun run = Cli({"status", "--device", sim.Device()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("CurBatt     123"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Rssi_db     17"), std::string::npos) << run.out;
}

TEST_F(RadioCommandsTest, APortThatCannotBeOpenedIsNamedWithTheReason) {
    const CliRun missing = Cli({"read", "--device", Path("no-such-tty"), "-o", Path("a.Vkf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Communication False"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("no-such-tty"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("No serial device"), std::string::npos) << missing.err;

    const CliRun notSerial = Cli({"status", "--device", folder_.Path().string()});
    EXPECT_EQ(notSerial.exitCode, 1);
    EXPECT_NE(notSerial.err.find("is not a serial device"), std::string::npos) << notSerial.err;
    EXPECT_FALSE(fs::exists(Path("a.Vkf")));
}

TEST_F(RadioCommandsTest, FilesThatCannotBeReadOrWrittenExitWith66BeforeTouchingTheRadio) {
    Radiosim sim({});
    EXPECT_EQ(Cli({"write", Path("missing.Vkf"), "--device", sim.Device()}).exitCode, 66);
    EXPECT_EQ(Cli({"read", "--device", sim.Device(), "-o", Path("no/such/folder/a.Vkf")}).exitCode,
              66);
    EXPECT_EQ(
        Cli({"calibration", "write", Path("missing.vkfa"), "--device", sim.Device()}).exitCode, 66);
}

TEST_F(RadioCommandsTest, UsageErrorsExitWith64) {
    EXPECT_EQ(Cli({"read"}).exitCode, 64);  // no output file
    EXPECT_EQ(Cli({"read", "--port", "10", "-o", Path("a.Vkf")}).exitCode, 64);
    EXPECT_EQ(Cli({"read", "--port", "1", "--device", "/dev/null", "-o", Path("a.Vkf")}).exitCode,
              64);
    EXPECT_EQ(Cli({"set-password", "thirteen-long", "--device", "/dev/null"}).exitCode, 64);
}

TEST_F(RadioCommandsTest, PortsListsTheConfiguredDevice) {
    Radiosim sim({});
    std::ofstream(Path("ports.ini")) << "[ports]\nCOM3=" << sim.Device() << "\n";
    const CliRun run = CliWithConfig(Path("ports.ini"), {"ports"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("COM3  " + sim.Device() + "  present"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("COM9"), std::string::npos);
}

TEST_F(RadioCommandsTest, PortNumberGoesThroughThePortMap) {
    Radiosim sim({});
    std::ofstream(Path("ports.ini")) << "[ports]\nCOM4=" << sim.Device() << "\n";
    const CliRun run =
        CliWithConfig(Path("ports.ini"), {"read", "--port", "4", "-o", Path("a.Vkf")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

}  // namespace
}  // namespace radioprog::e2e
