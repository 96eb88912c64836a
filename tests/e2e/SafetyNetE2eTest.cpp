// The safety net of radioprog-cli's write on radiosim over a real pseudo-terminal: verify
// catches a block the radio acknowledged and dropped, the bench log keeps a line for every
// write (the failed one too), and a backup keeps what the radio held before.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "appdata/AppData.h"
#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::Radiosim;
using testing::ReadAll;
using testing::RunProgram;
using testing::TempFolder;

namespace fs = std::filesystem;

class SafetyNet : public testing::CliTest {
  protected:
    // Runs radioprog-cli with the history in the test's folder; the reads that only set the
    // scene keep theirs elsewhere, so that the history holds what the writes left.
    CliRun CliWithHistory(std::vector<std::string> args, const std::string& history = {}) {
        args.insert(args.begin(), {"--history", history.empty() ? History() : history});
        return Cli(args);
    }

    std::string History() const { return folder_.File("history"); }
    std::string File(const std::string& name) const { return folder_.File(name); }

    // The radio's project with channel 1 moved to 438 MHz, saved as name.
    std::string ChangeChannelOne(const std::string& radioProject, const std::string& name) {
        AppData data;
        EXPECT_TRUE(OpenProject(radioProject, data.image, data.band)) << radioProject;
        ChannelRecord r = data.image.Channel(1);
        EXPECT_NE(r.RxFreq(), 438000000u) << "the radio already holds the change";
        r.InitialiseNew(438000000);
        data.image.SetChannelValid(1, true);
        const std::string path = File(name);
        EXPECT_TRUE(SaveProject(path, data.image, data.band));
        return path;
    }

    // The history's entries, the bench log aside.
    std::vector<fs::path> Entries() const {
        std::vector<fs::path> files;
        for (const auto& item : fs::directory_iterator(History())) {
            if (item.path().filename() != "programming-log.csv") {
                files.push_back(item.path());
            }
        }
        return files;
    }

    // The bench log's lines; each must end in CR LF, as CSV readers expect.
    std::vector<std::string> LogLines() const {
        const std::string log = ReadAll(fs::path(History()) / "programming-log.csv");
        std::vector<std::string> lines;
        size_t at = 0;
        for (size_t end; (end = log.find("\r\n", at)) != std::string::npos; at = end + 2) {
            lines.push_back(log.substr(at, end - at));
        }
        EXPECT_EQ(at, log.size()) << "the log's last line must end in CR LF:\n" << log;
        return lines;
    }

    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, ',');) {
            fields.push_back(field);
        }
        if (!line.empty() && line.back() == ',') {
            fields.emplace_back();
        }
        return fields;
    }
};

TEST_F(SafetyNet, VerifyPassesOnAGoodRadioNamesTheDroppedBlockAndTheLogKeepsBoth) {
    Radiosim good({"--kind", "S"});
    Radiosim faulty({"--kind", "S", "--drop-write", "0x8080"});
    ASSERT_FALSE(good.Device().empty());
    ASSERT_FALSE(faulty.Device().empty());
    const CliRun read = CliWithHistory(
        {"read", "--device", faulty.Device(), "-o", File("radio.Vkf")}, File("scene"));
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const std::string mine = ChangeChannelOne(File("radio.Vkf"), "mine.Vkf");

    const CliRun agreed = CliWithHistory({"write", mine, "--device", good.Device(), "--verify"});
    EXPECT_EQ(agreed.exitCode, 0) << agreed.err;
    EXPECT_EQ(agreed.err.find("Verify failed"), std::string::npos) << agreed.err;

    const CliRun differs = CliWithHistory({"write", mine, "--device", faulty.Device(), "--verify"});
    EXPECT_EQ(differs.exitCode, 1) << differs.err;
    EXPECT_NE(differs.err.find("Verify failed"), std::string::npos) << differs.err;
    EXPECT_TRUE(std::regex_search(differs.err, std::regex("\nDiffers: [^\n]*channel 1\\b")))
        << differs.err;
    EXPECT_TRUE(std::regex_search(differs.err, std::regex("\nAddresses: [^\n]*0x8080-0x80")))
        << differs.err;
    EXPECT_TRUE(std::regex_search(differs.err,
                                  std::regex("\nchannel 1 +RX Freq\\.: [^\n]*\"438\\.00000\"")))
        << differs.err;

    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u) << ReadAll(fs::path(History()) / "programming-log.csv");
    EXPECT_EQ(lines[0],
              "time,port,device,radio kind,job,result,verify,project file,checksum,backup file");
    const struct {
        const std::string& line;
        const std::string& device;
        const char* result;
        const char* verify;
    } expected[] = {{lines[1], good.Device(), "success", "agreed"},
                    {lines[2], faulty.Device(), "verify-failed", "differs"}};
    for (const auto& e : expected) {
        const std::vector<std::string> fields = Fields(e.line);
        ASSERT_EQ(fields.size(), 10u) << e.line;
        EXPECT_TRUE(std::regex_match(fields[0], std::regex("\\d{4}-\\d\\d-\\d\\dT.*"))) << e.line;
        EXPECT_EQ(fields[1], "COM1") << e.line;
        EXPECT_EQ(fields[2], e.device) << e.line;
        EXPECT_EQ(fields[3], "S") << e.line;
        EXPECT_EQ(fields[4], "write") << e.line;
        EXPECT_EQ(fields[5], e.result) << e.line;
        EXPECT_EQ(fields[6], e.verify) << e.line;
        EXPECT_NE(fields[7].find("mine.Vkf"), std::string::npos) << e.line;
        EXPECT_TRUE(std::regex_match(fields[8], std::regex("[0-9A-Fa-f]{8}"))) << e.line;
        EXPECT_EQ(fields[9], "") << e.line;
    }
}

// A new password sent with the data to radios that acknowledge its block but keep their old
// one: a radio without a password opens, and the read-back names the password; one with
// another password of that length does not open, so the written radio stands unverified.
TEST_F(SafetyNet, ANewPasswordTheRadioDidNotKeepIsNeverASuccess) {
    const struct {
        std::string oldPassword;
        int exitCode;
        std::regex says;
        const char* result;
        const char* verify;
    } cases[] = {
        {"", 1, std::regex("Verify failed[\\s\\S]*\nDiffers: [^\n]*password"), "verify-failed",
         "differs"},
        {"1111", 4, std::regex("Password Error\n[^\n]*written and acknowledged[^\n]*unverified"),
         "success", "could-not-run"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.oldPassword);
        Radiosim radio({"--kind", "S", "--password", c.oldPassword, "--drop-write", "0x4040"});
        ASSERT_FALSE(radio.Device().empty());
        const std::vector<std::string> unlock = {"--password", c.oldPassword};
        std::vector<std::string> read = {"read", "--device", radio.Device(), "-o",
                                         File("radio.Vkf")};
        read.insert(read.end(), unlock.begin(), unlock.end());
        ASSERT_EQ(CliWithHistory(read, File("scene")).exitCode, 0);
        AppData data;
        ASSERT_TRUE(OpenProject(File("radio.Vkf"), data.image, data.band));
        data.image.SetText(image::NewPassword, "2222");
        data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});
        ASSERT_TRUE(SaveProject(File("mine.Vkf"), data.image, data.band));

        std::vector<std::string> write = {"write", File("mine.Vkf"), "--device", radio.Device(),
                                          "--verify"};
        write.insert(write.end(), unlock.begin(), unlock.end());
        const CliRun written = CliWithHistory(write);

        EXPECT_EQ(written.exitCode, c.exitCode) << written.err;
        EXPECT_EQ(written.err.find("SUCCESS"), std::string::npos) << written.err;
        EXPECT_TRUE(std::regex_search(written.err, c.says)) << written.err;
        const std::vector<std::string> fields = Fields(LogLines().back());
        ASSERT_EQ(fields.size(), 10u);
        EXPECT_EQ(fields[5], c.result);
        EXPECT_EQ(fields[6], c.verify);
    }
}

TEST_F(SafetyNet, BackupKeepsWhatTheRadioHeldBeforeTheWrite) {
    Radiosim radio({"--kind", "Y"});
    ASSERT_FALSE(radio.Device().empty());
    const CliRun read = CliWithHistory(
        {"read", "--device", radio.Device(), "-o", File("before.Vkf")}, File("scene"));
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const std::string mine = ChangeChannelOne(File("before.Vkf"), "mine.Vkf");

    const CliRun write = CliWithHistory({"write", mine, "--device", radio.Device(), "--backup"});
    ASSERT_EQ(write.exitCode, 0) << write.err;

    const std::vector<fs::path> entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    const fs::path backup = entries.front();
    EXPECT_NE(backup.filename().string().find("_backup_"), std::string::npos) << backup;
    EXPECT_EQ(ReadAll(backup), ReadAll(File("before.Vkf")));
    EXPECT_NE(write.err.find("Backup: " + backup.string()), std::string::npos) << write.err;
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Fields(lines[1]).back(), backup.string()) << lines[1];

    // The write did change the radio, so the backup is not simply what it holds now.
    const CliRun after = CliWithHistory(
        {"read", "--device", radio.Device(), "-o", File("after.Vkf")}, File("scene"));
    ASSERT_EQ(after.exitCode, 0) << after.err;
    EXPECT_NE(ReadAll(File("after.Vkf")), ReadAll(backup));
}

TEST_F(SafetyNet, ABackupAskedForWithTheHistoryOffWritesNothing) {
    AppData data;
    data.image.ResetToDefaults();
    data.image.Channel(1).InitialiseNew(438000000);
    data.image.SetChannelValid(1, true);
    ASSERT_TRUE(SaveProject(File("mine.Vkf"), data.image, data.band));
    std::ofstream(File("off.ini")) << "[History]\nEnabled=0\n";

    const CliRun write = CliWithConfig(File("off.ini"), {"write", File("mine.Vkf"), "--device",
                                                         File("no-such-device"), "--backup"});

    EXPECT_EQ(write.exitCode, 64) << write.err;
    EXPECT_NE(write.err.find("history, which is turned off"), std::string::npos) << write.err;
    EXPECT_EQ(write.err.find("Communication"), std::string::npos) << "no port was tried";
}

}  // namespace
}  // namespace radioprog::e2e
