// Several radios written and read at once by one radioprog-cli, each on its own radiosim line:
// a radio that dies mid-write, one that never answers and one that drops a block each end
// with their own failure while the others succeed and verify; every radio gets its log line
// and its backup; a stop releases every line at once; two programs share one history folder.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "appdata/AppData.h"
#include "model/ProjectFile.h"
#include "port/PosixSerialPort.h"
#include "port/UucpLock.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog::e2e {
namespace {

using testing::CliRun;
using testing::Radiosim;
using testing::ReadAll;

namespace fs = std::filesystem;

class SeveralRadios : public testing::CliTest {
  protected:
    std::string History() const { return Path("history"); }

    // A project that differs from the simulated radios' own data in channel 1 (address
    // 0x8080), so that a radio dropping that block is caught by its read-back.
    std::string ChangedProject(const std::string& device) {
        const CliRun read =
            Cli({"--history", Path("scene"), "read", "--device", device, "-o", Path("radio.Vkf")});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        AppData data;
        EXPECT_TRUE(OpenProject(Path("radio.Vkf"), data.image, data.band));
        ChannelRecord r = data.image.Channel(1);
        r.InitialiseNew(438000000);
        data.image.SetChannelValid(1, true);
        EXPECT_TRUE(SaveProject(Path("mine.Vkf"), data.image, data.band));
        return Path("mine.Vkf");
    }

    static std::vector<std::string> WithDevices(std::vector<std::string> args,
                                                const std::vector<std::string>& devices) {
        for (const std::string& device : devices) {
            args.insert(args.end(), {"--device", device});
        }
        return args;
    }

    // The bench log's lines below its header, each split at its commas.
    std::vector<std::vector<std::string>> LogRows(const std::string& history) const {
        std::istringstream log(ReadAll(fs::path(history) / "programming-log.csv"));
        std::vector<std::vector<std::string>> rows;
        std::string line;
        std::getline(log, line);
        while (std::getline(log, line)) {
            std::vector<std::string> fields;
            line = line.substr(0, line.find('\r'));
            std::istringstream in(line);
            for (std::string field; std::getline(in, field, ',');) {
                fields.push_back(field);
            }
            if (line.ends_with(',')) {
                fields.emplace_back();
            }
            rows.push_back(fields);
        }
        return rows;
    }

    static std::vector<fs::path> Backups(const std::string& history) {
        std::vector<fs::path> found;
        for (const auto& item : fs::directory_iterator(history)) {
            if (item.path().filename().string().find("_backup") != std::string::npos) {
                found.push_back(item.path());
            }
        }
        return found;
    }

    // The line standard output gave for device as it finished ("device: ...").
    static std::string FinishedLine(const std::string& out, const std::string& device) {
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with(device + ": ")) {
                return line;
            }
        }
        return {};
    }

    // Every line is free again: no lock file, and it opens for exclusive use at once.
    static void ExpectFree(const std::vector<std::string>& devices) {
        for (const std::string& device : devices) {
            EXPECT_FALSE(fs::exists(fs::path(kLockFolder) / LockFileName(device))) << device;
            PosixSerialPort port;
            const PortResult opened = port.Open(device);
            EXPECT_TRUE(opened) << device << ": " << opened.message;
        }
    }
};

TEST_F(SeveralRadios, EightRadiosEachEndWithTheirOwnResult) {
    Radiosim good({"--count", "5"}, 5);
    Radiosim silent({"--silent"});
    Radiosim dropping({"--drop-write", "0x8080"});
    Radiosim killed({"--killed-after-writes", "3"});
    ASSERT_EQ(good.Devices().size(), 5u);
    std::vector<std::string> devices = good.Devices();
    devices.insert(devices.end(), {silent.Device(), dropping.Device(), killed.Device()});
    const std::string project = ChangedProject(good.Devices()[0]);

    const CliRun run = Cli(
        WithDevices({"--history", History(), "write", project, "--backup", "--verify"}, devices));
    // Of the failures, "Communication False" comes first in the exit code table.
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;

    const std::map<std::string, std::string> expected = {
        {silent.Device(), ": communication-false, verify not-reached"},
        {dropping.Device(), ": verify-failed, radio S, verify differs"},
        {killed.Device(), ": communication-false-half-written, radio S, verify not-reached"}};
    for (const std::string& device : devices) {
        const auto fault = expected.find(device);
        const std::string line = FinishedLine(run.out, device);
        EXPECT_EQ(line, device + (fault == expected.end() ? ": success, radio S, verify agreed"
                                                          : fault->second))
            << run.out;
        // The table has its row too.
        EXPECT_NE(run.out.find("\n" + device + "  "), std::string::npos) << run.out;
    }
    // Each radio's words are marked with its own device.
    EXPECT_NE(run.err.find(dropping.Device() + ": Verify failed"), std::string::npos) << run.err;

    const auto rows = LogRows(History());
    ASSERT_EQ(rows.size(), 8u) << ReadAll(fs::path(History()) / "programming-log.csv");
    std::map<std::string, std::string> logged;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size() >= 7 ? 10u : row.size(), 10u);
        logged[row[2]] = row[5] + "/" + row[6];
    }
    for (const std::string& device : good.Devices()) {
        EXPECT_EQ(logged[device], "success/agreed") << device;
    }
    EXPECT_EQ(logged[dropping.Device()], "verify-failed/differs");
    EXPECT_EQ(logged[silent.Device()], "communication-false/not-run");
    EXPECT_EQ(logged[killed.Device()], "communication-false/not-run");
    // A radio that never answered has nothing to back up; every other one kept its own.
    EXPECT_EQ(Backups(History()).size(), 7u);
    ExpectFree(good.Devices());
}

// Each backup kept trims the oldest entries: a history with room for fewer entries than
// radios would lose the backups of the very radios being written.
TEST_F(SeveralRadios, ABenchWhoseBackupsTheHistoryCannotHoldWritesNothing) {
    Radiosim radios({"--count", "3"}, 3);
    ASSERT_EQ(radios.Devices().size(), 3u);
    const std::string project = ChangedProject(radios.Device());
    const std::string config = Path("keep2.ini");
    std::ofstream(config) << "[History]\nKeep=2\n";
    const CliRun run = CliWithConfig(
        config,
        WithDevices({"--history", History(), "write", project, "--backup"}, radios.Devices()));
    EXPECT_EQ(run.exitCode, 64) << run.err;
    EXPECT_NE(run.err.find("keeps only 2 entries"), std::string::npos) << run.err;
    // No backup, no log line: no radio was touched.
    EXPECT_FALSE(fs::exists(History()));
}

TEST_F(SeveralRadios, AStopInTheMiddleReleasesEveryLine) {
    // Slow radios, so that the stop finds every job under way.
    Radiosim radios({"--count", "8", "--reply-delay", "40"}, 8);
    ASSERT_EQ(radios.Devices().size(), 8u);
    const std::string project = ChangedProject(radios.Devices()[0]);
    const pid_t tool = testing::StartProgram(
        CliCommand(WithDevices({"--history", History(), "write", project, "--backup", "--verify"},
                               radios.Devices())),
        Path(""));
    ASSERT_GT(tool, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(tool, SIGTERM);
    EXPECT_EQ(testing::WaitAtMost(tool, std::chrono::seconds(10)), 130);
    const std::string out = ReadAll(Path("stdout.txt"));
    const std::string err = ReadAll(Path("stderr.txt"));
    EXPECT_NE(err.find("Stopped."), std::string::npos) << err;
    for (const std::string& device : radios.Devices()) {
        EXPECT_NE(out.find("\n" + device + "  "), std::string::npos) << out;
        EXPECT_NE(err.find("  " + device), std::string::npos) << "not in the summary: " << err;
    }
    // The next run opens every line at once.
    ExpectFree(radios.Devices());
    const auto rows = LogRows(History());
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(row[5], "closed");
    }
}

TEST_F(SeveralRadios, TwoProgramsShareOneHistoryFolder) {
    Radiosim radios({"--count", "8"}, 8);
    ASSERT_EQ(radios.Devices().size(), 8u);
    const std::string project = ChangedProject(radios.Devices()[0]);
    const std::vector<std::string> first(radios.Devices().begin(), radios.Devices().begin() + 4);
    const std::vector<std::string> second(radios.Devices().begin() + 4, radios.Devices().end());
    std::vector<pid_t> tools;
    for (const auto* devices : {&first, &second}) {
        const std::string scratch = Path("run" + std::to_string(tools.size()));
        fs::create_directories(scratch);
        tools.push_back(testing::StartProgram(
            CliCommand(
                WithDevices({"--history", History(), "write", project, "--backup"}, *devices)),
            scratch));
    }
    for (const pid_t tool : tools) {
        EXPECT_EQ(testing::WaitAtMost(tool, std::chrono::seconds(30)), 0);
    }
    const auto rows = LogRows(History());
    ASSERT_EQ(rows.size(), 8u) << ReadAll(fs::path(History()) / "programming-log.csv");
    std::map<std::string, int> devices;
    std::map<std::string, int> backups;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(row[5], "success");
        ++devices[row[2]];
        ++backups[row[9]];
        EXPECT_TRUE(fs::exists(row[9])) << row[9];
    }
    EXPECT_EQ(devices.size(), 8u);
    EXPECT_EQ(backups.size(), 8u) << "two writes named one backup";
    EXPECT_EQ(Backups(History()).size(), 8u);
}

TEST_F(SeveralRadios, SeveralReadsKeepAFileEachAndTheHistory) {
    Radiosim radios({"--count", "3"}, 3);
    ASSERT_EQ(radios.Devices().size(), 3u);
    const CliRun single =
        Cli({"--no-history", "read", "--device", radios.Device(), "-o", Path("one.Vkf")});
    ASSERT_EQ(single.exitCode, 0) << single.err;

    // A file name given by habit is no folder for several reads: nothing is read.
    const CliRun refused = Cli(
        WithDevices({"--history", History(), "read", "-o", Path("radio.Vkf")}, radios.Devices()));
    EXPECT_EQ(refused.exitCode, 64) << refused.err;
    EXPECT_FALSE(fs::exists(Path("radio.Vkf")));
    EXPECT_FALSE(fs::exists(History()));

    const CliRun run = Cli(
        WithDevices({"--history", History(), "read", "-o", Path("reads") + "/"}, radios.Devices()));
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(Path("reads"))) {
        files.push_back(item.path());
    }
    ASSERT_EQ(files.size(), 3u) << run.out;
    for (const std::string& device : radios.Devices()) {
        // "/dev/pts/7" -> "pts-7_<date>_<time>.Vkf"
        std::string name = device.substr(5);
        std::replace(name.begin(), name.end(), '/', '-');
        const auto file = std::find_if(files.begin(), files.end(), [&name](const fs::path& f) {
            return f.filename().string().starts_with(name + "_");
        });
        ASSERT_NE(file, files.end()) << name;
        EXPECT_EQ(ReadAll(*file), ReadAll(Path("one.Vkf"))) << *file;
        EXPECT_EQ(fs::status(*file).permissions() & fs::perms::others_read, fs::perms::none);
    }
    size_t reads = 0;
    for (const auto& item : fs::directory_iterator(History())) {
        reads += item.path().filename().string().find("_read") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(reads, 3u);
}

}  // namespace
}  // namespace radioprog::e2e
