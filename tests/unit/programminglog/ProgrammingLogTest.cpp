#include "programminglog/ProgrammingLog.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "channellist/TextTable.h"
#include "support/Programs.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace radioprog {
namespace {

using testing::ReadAll;
using testing::TempFolder;
using namespace std::chrono;

const std::vector<std::string> kHeader = {"time",     "port",       "device", "radio kind",
                                          "job",      "result",     "verify", "project file",
                                          "checksum", "backup file"};

ProgrammingLogLine SampleLine() {
    ProgrammingLogLine line;
    // 2026-03-14 14:26:53 UTC
    line.time = sys_days{year{2026} / 3 / 14} + hours{14} + minutes{26} + seconds{53};
    line.port = "COM3";
    line.device = "/dev/ttyUSB0";
    line.radioKind = "S";
    line.job = "write";
    line.result = "success";
    line.verify = "agreed";
    line.projectFile = "site-a.Vkf";
    const std::vector<uint8_t> data = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    line.checksum = DataChecksum(data);
    line.backupFile = "/home/tech/.local/share/radioprog/history/backup.Vkf";
    return line;
}

std::vector<std::vector<std::string>> ReadLog(const std::string& folder) {
    const TextTableParse parsed = ParseTextTable(ReadAll(ProgrammingLogPath(folder)), ',');
    EXPECT_TRUE(parsed.ok) << "line " << parsed.error.line << ": " << parsed.error.why;
    std::vector<std::vector<std::string>> rows;
    for (const TextTableRow& row : parsed.rows) {
        rows.push_back(row.cells);
    }
    return rows;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// A zone with a half-hour offset and no summer time, for as long as the test runs.
class FixedZone {
  public:
    FixedZone() {
        const char* before = std::getenv("TZ");
        had_ = before != nullptr;
        before_ = had_ ? before : "";
        setenv("TZ", "XST-5:30", 1);
        tzset();
    }
    ~FixedZone() {
        had_ ? setenv("TZ", before_.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

  private:
    bool had_ = false;
    std::string before_;
};

TEST(ProgrammingLog, NewLogGetsTheHeaderOnceThenOneLinePerWrite) {
    FixedZone zone;
    TempFolder temp;
    const std::string folder = temp.File("data/radioprog/history");
    ProgrammingLogLine failed = SampleLine();
    failed.result = "communication-false";
    failed.verify = "not-run";
    failed.radioKind.clear();
    failed.backupFile.clear();

    ASSERT_TRUE(AppendProgrammingLog(folder, SampleLine()));
    ASSERT_TRUE(AppendProgrammingLog(folder, failed));

    const std::string path = ProgrammingLogPath(folder);
    EXPECT_EQ(path, folder + "/programming-log.csv");
    const auto rows = ReadLog(folder);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], kHeader);
    EXPECT_EQ(rows[1],
              (std::vector<std::string>{"2026-03-14T19:56:53+05:30", "COM3", "/dev/ttyUSB0", "S",
                                        "write", "success", "agreed", "site-a.Vkf", "cbf43926",
                                        "/home/tech/.local/share/radioprog/history/backup.Vkf"}));
    EXPECT_EQ(rows[2][5], "communication-false");
    EXPECT_EQ(rows[2][3], "");
    EXPECT_EQ(ReadAll(path).substr(0, 5), "time,");
    EXPECT_EQ(ReadAll(path).back(), '\n');
    // The log names the user's files and radios: for the user alone.
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(temp.File("data")), 0700u);
}

TEST(ProgrammingLog, FieldsWithSeparatorsQuotesAndLineBreaksReadBackWhole) {
    TempFolder temp;
    ProgrammingLogLine line = SampleLine();
    line.projectFile = "north, \"hill\"\nsite.Vkf";
    line.backupFile = "a\r\nb";
    // Bytes a file name may hold that are not text: shown as U+FFFD, the rest kept.
    line.device = std::string("/dev/tty\xFF", 9) + std::string(1, '\0') + "x";

    ASSERT_TRUE(AppendProgrammingLog(temp.Path().string(), line));
    ASSERT_TRUE(AppendProgrammingLog(temp.Path().string(), SampleLine()));

    const auto rows = ReadLog(temp.Path().string());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][7], line.projectFile);
    EXPECT_EQ(rows[1][9], line.backupFile);
    EXPECT_EQ(rows[1][2], "/dev/tty\xEF\xBF\xBD\xEF\xBF\xBDx");
    EXPECT_EQ(rows[2][7], "site-a.Vkf") << "the next line starts after the quoted breaks";
}

// A program stopped half-way through a line leaves it without its line end; the next line
// must not be glued to it, and nothing already in the log may change.
TEST(ProgrammingLog, LineCutShortStaysAsItWasAndTheNextLineStandsAlone) {
    TempFolder temp;
    const std::string folder = temp.Path().string();
    ASSERT_TRUE(AppendProgrammingLog(folder, SampleLine()));
    std::ofstream(ProgrammingLogPath(folder), std::ios::app) << "2026-03-14T10:00:00+01:00,COM";
    const std::string before = ReadAll(ProgrammingLogPath(folder));

    ASSERT_TRUE(AppendProgrammingLog(folder, SampleLine()));

    const std::string after = ReadAll(ProgrammingLogPath(folder));
    EXPECT_EQ(after.substr(0, before.size()), before);
    const auto rows = ReadLog(folder);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], (std::vector<std::string>{"2026-03-14T10:00:00+01:00", "COM"}));
    EXPECT_EQ(rows[3].size(), kHeader.size());
    EXPECT_EQ(rows[3][1], "COM3");
}

// A full disk takes part of the line at most; that part must not stay, or the next line
// would continue a broken one.
TEST(ProgrammingLog, LineThatDoesNotFitLeavesTheLogAsItWas) {
    TempFolder temp;
    const std::string folder = temp.Path().string();
    ASSERT_TRUE(AppendProgrammingLog(folder, SampleLine()));
    const std::string before = ReadAll(ProgrammingLogPath(folder));

    const testing::ChildResult child = testing::RunInChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlim_t room = before.size() + 10;
        const rlimit limit{room, room};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 2;
        }
        const FileResult result = AppendProgrammingLog(folder, SampleLine());
        return !result.ok && result.message.find("programming-log.csv") != std::string::npos ? 0
                                                                                             : 1;
    });

    EXPECT_TRUE(child.finished);
    EXPECT_EQ(child.exitCode, 0) << "the append fails and says which file";
    EXPECT_EQ(ReadAll(ProgrammingLogPath(folder)), before);
}

TEST(ProgrammingLog, ProgramsAppendingAtOnceEachAddWholeLines) {
    TempFolder temp;
    const std::string folder = temp.File("history");
    constexpr int kWriters = 4, kLinesEach = 25;
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = fork();
        if (pid == 0) {
            ProgrammingLogLine line = SampleLine();
            line.port = "COM" + std::to_string(w + 1);
            for (int i = 0; i < kLinesEach; ++i) {
                if (!AppendProgrammingLog(folder, line)) {
                    _exit(1);
                }
            }
            _exit(0);
        }
        writers.push_back(pid);
    }
    for (pid_t pid : writers) {
        EXPECT_EQ(testing::WaitAtMost(pid, seconds(60)), 0);
    }
    const auto rows = ReadLog(folder);
    ASSERT_EQ(rows.size(), 1u + kWriters * kLinesEach) << "one header, every line";
    EXPECT_EQ(rows[0], kHeader);
    for (size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), kHeader.size()) << "row " << i;
        EXPECT_EQ(rows[i][9], SampleLine().backupFile) << "row " << i;
    }
}

TEST(ProgrammingLog, FolderThatCannotBeCreatedIsNamed) {
    TempFolder temp;
    std::ofstream(temp.File("plain-file")) << "x";
    const std::string folder = temp.File("plain-file/history");

    const FileResult result = AppendProgrammingLog(folder, SampleLine());

    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(folder), std::string::npos) << result.message;
    EXPECT_EQ(ReadAll(temp.File("plain-file")), "x");
}

TEST(ProgrammingLog, OnlyALogOfOurOwnIsAddedToNeverALinkOrSomeoneElsesFile) {
    TempFolder temp;
    const std::string folder = temp.File("history");
    ASSERT_TRUE(AppendProgrammingLog(temp.File("made"), SampleLine()));
    const std::string ours = ReadAll(ProgrammingLogPath(temp.File("made")));
    std::filesystem::create_directory(folder);
    const std::string log = ProgrammingLogPath(folder);
    const std::string elsewhere = temp.File("passwd");
    std::ofstream(elsewhere) << "root:x:0:0:root:/root:/bin/bash\n";

    struct Case {
        const char* what;
        std::function<void()> place;  // puts it in the log's place
        std::string target;           // a file it must leave as it was ("": none)
        std::string missing;          // a file it must not create
    };
    const Case cases[] = {
        {"a link to another file",
         [&] { std::filesystem::create_symlink(elsewhere, log); },
         elsewhere,
         {}},
        {"a link to our own log elsewhere",
         [&] { std::filesystem::create_symlink(ProgrammingLogPath(temp.File("made")), log); },
         ProgrammingLogPath(temp.File("made")),
         {}},
        {"a dangling link",
         [&] { std::filesystem::create_symlink(temp.File("created-by-us"), log); },
         {},
         temp.File("created-by-us")},
        {"a text file", [&] { std::ofstream(log) << "my notes\n"; }, log, {}},
        {"a log with another header",
         [&] { std::ofstream(log) << "time,port\r\n2026,COM1\r\n"; },
         log,
         {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(log);
        c.place();
        const std::string before = c.target.empty() ? std::string() : ReadAll(c.target);

        const FileResult result = AppendProgrammingLog(folder, SampleLine());

        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(log), std::string::npos) << c.what << ": " << result.message;
        if (!c.target.empty()) {
            EXPECT_EQ(ReadAll(c.target), before) << c.what;
        }
        if (!c.missing.empty()) {
            EXPECT_FALSE(std::filesystem::exists(c.missing)) << c.what;
        }
    }
    EXPECT_EQ(ReadAll(ProgrammingLogPath(temp.File("made"))), ours);

    // Our log saved again by a spreadsheet with plain line ends is still ours.
    std::filesystem::remove(log);
    std::string resaved = ours;
    for (size_t at = resaved.find("\r\n"); at != std::string::npos; at = resaved.find("\r\n")) {
        resaved.erase(at, 1);
    }
    std::ofstream(log, std::ios::binary) << resaved;
    ASSERT_TRUE(AppendProgrammingLog(folder, SampleLine()));
    EXPECT_EQ(ReadLog(folder).size(), 3u);
}

TEST(ProgrammingLog, ChecksumIsTheStandardCrc32) {
    const std::vector<uint8_t> check = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(DataChecksum(check), "cbf43926");
    EXPECT_EQ(DataChecksum({}), "00000000");
    const std::vector<uint8_t> image(2954, 0xFF);
    EXPECT_NE(DataChecksum(image), DataChecksum(std::span(image).first(2953)));
}

}  // namespace
}  // namespace radioprog
