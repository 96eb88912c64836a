// Every read of radioprog-cli is kept in the history, and `history` finds it again.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "model/ProjectImage.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/ScopedEnvironment.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::Radiosim;
using testing::ReadAll;
using testing::RunProgram;
using testing::ScopedEnvironment;

namespace fs = std::filesystem;

class HistoryTest : public testing::CliTest {
  protected:
    static std::vector<fs::path> FilesIn(const fs::path& folder) {
        std::vector<fs::path> files;
        if (fs::is_directory(folder)) {
            for (const auto& item : fs::directory_iterator(folder)) {
                files.push_back(item.path());
            }
        }
        std::sort(files.begin(), files.end());
        return files;
    }
};

TEST_F(HistoryTest, EveryReadIsKeptAndHistoryListsShowsAndNamesIt) {
    Radiosim sim({"--kind", "Y"});
    const std::string history = Path("history");

    const CliRun read =
        Cli({"--history", history, "read", "--device", sim.Device(), "-o", Path("radio.Vkf")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const auto afterRead = FilesIn(history);
    ASSERT_EQ(afterRead.size(), 1u);
    const fs::path kept = afterRead.front();
    EXPECT_EQ(ReadAll(kept), ReadAll(Path("radio.Vkf")));
    EXPECT_NE(kept.filename().string().find("_Y_read"), std::string::npos) << kept;
    struct stat info {};
    ASSERT_EQ(stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const CliRun calibration = Cli({"--history", history, "calibration", "read", "--device",
                                    sim.Device(), "-o", Path("radio.vkfa")});
    ASSERT_EQ(calibration.exitCode, 0) << calibration.err;
    ASSERT_EQ(FilesIn(history).size(), 2u);

    const CliRun list = Cli({"--history", history, "history"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const size_t first = list.out.find("\n");
    ASSERT_NE(first, std::string::npos) << list.out;
    EXPECT_NE(list.out.substr(0, first).find("  1  "), std::string::npos) << list.out;
    EXPECT_NE(list.out.substr(0, first).find("calibration-read"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("  2  ", first), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("Y       read", first), std::string::npos) << list.out;

    const CliRun path = Cli({"--history", history, "history", "path", "2"});
    EXPECT_EQ(path.out, kept.string() + "\n");
    const CliRun shown = Cli({"--history", history, "history", "show", "2"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, Cli({"show", Path("radio.Vkf")}).out);
    EXPECT_NE(shown.out.find("Band:"), std::string::npos);

    const CliRun none = Cli({"--history", history, "history", "show", "3"});
    EXPECT_EQ(none.exitCode, 64);
    EXPECT_NE(none.err.find("holds 2 entries"), std::string::npos) << none.err;
}

TEST_F(HistoryTest, ReadsGoToTheUsersDataFolderUnlessTurnedOffAndAFailedKeepingFailsNoRead) {
    Radiosim sim({"--kind", "legacy"});
    const std::string data = Path("data");
    const ScopedEnvironment home("XDG_DATA_HOME", data);
    const fs::path history = fs::path(data) / "radioprog" / "history";

    ASSERT_EQ(Cli({"--no-history", "read", "--device", sim.Device(), "-o", Path("a.Vkf")}).exitCode,
              0);
    EXPECT_FALSE(fs::exists(history));

    ASSERT_EQ(Cli({"read", "--device", sim.Device(), "-o", Path("b.Vkf")}).exitCode, 0);
    const auto files = FilesIn(history);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(files.front().filename().string().find("_legacy_read.Vkf"), std::string::npos)
        << files.front();

    // A history folder that cannot be made: the read still writes its file and succeeds.
    std::ofstream(Path("plain")) << "a file";
    const CliRun read = Cli({"--history", Path("plain/history"), "read", "--device", sim.Device(),
                             "-o", Path("c.Vkf")});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_TRUE(fs::exists(Path("c.Vkf")));
    EXPECT_NE(read.err.find("Warning: Cannot keep the read"), std::string::npos) << read.err;
}

TEST_F(HistoryTest, AWriteKeepsItsResultWhenTheLogIsALinkAndTheConfigurationTurnsHistoryOff) {
    Radiosim sim({"--kind", "S"});
    const std::string history = Path("history");
    ASSERT_EQ(
        Cli({"--no-history", "read", "--device", sim.Device(), "-o", Path("radio.Vkf")}).exitCode,
        0);
    fs::create_directories(history);
    std::ofstream(Path("shadow")) << "root:*:19000:0:99999:7:::\n";
    fs::create_symlink(Path("shadow"), fs::path(history) / "programming-log.csv");

    const CliRun write = Cli(
        {"--history", history, "write", Path("radio.Vkf"), "--device", sim.Device(), "--backup"});
    EXPECT_EQ(write.exitCode, 0) << write.err;
    EXPECT_NE(write.err.find("Warning: Cannot add to the programming log"), std::string::npos)
        << write.err;
    EXPECT_EQ(ReadAll(Path("shadow")), "root:*:19000:0:99999:7:::\n");

    // Switched off in the words people use, the history keeps no read (each holds the
    // radio's password) and no log line.
    const std::string data = Path("data");
    const ScopedEnvironment home("XDG_DATA_HOME", data);
    std::ofstream(Path("off.ini")) << "[History]\nEnabled=Off\n";
    const CliRun read =
        CliWithConfig(Path("off.ini"), {"read", "--device", sim.Device(), "-o", Path("b.Vkf")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_FALSE(fs::exists(fs::path(data) / "radioprog")) << read.err;
}

TEST_F(HistoryTest, ALabelGoesWithItsTrimmedEntryAndTheOthersKeepTheirs) {
    Radiosim sim({"--kind", "S"});
    const std::string history = Path("history");
    std::ofstream(Path("keep2.ini")) << "[History]\nKeep=2\n";
    const auto read = [&] {
        return CliWithConfig(Path("keep2.ini"), {"--history", history, "read", "--device",
                                                 sim.Device(), "-o", Path("radio.Vkf")})
            .exitCode;
    };
    const auto label = [&](const char* n, const char* text) {
        return Cli({"--history", history, "history", "label", n, text}).exitCode;
    };
    ASSERT_EQ(read(), 0);
    ASSERT_EQ(label("1", "first radio"), 0);
    const fs::path first = FilesIn(history).front();
    ASSERT_EQ(read(), 0);
    ASSERT_EQ(label("1", "second radio"), 0);
    ASSERT_EQ(FilesIn(history).size(), 4u);

    // The labels take no entry's place under the limit: the third read trims the first only.
    ASSERT_EQ(read(), 0);
    const auto files = FilesIn(history);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_FALSE(fs::exists(first));
    EXPECT_FALSE(fs::exists(first.string() + ".label"));
    const CliRun list = Cli({"--history", history, "history"});
    EXPECT_EQ(list.out.find("first radio"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\n  2  "), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("  label: second radio\n"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("  3  "), std::string::npos) << "a label is listed as no entry";

    // An entry number the list does not have labels nothing.
    const CliRun none = Cli({"--history", history, "history", "label", "3", "x"});
    EXPECT_EQ(none.exitCode, 64);
    EXPECT_EQ(FilesIn(history), files);
}

}  // namespace
}  // namespace radioprog::e2e
