#include "history/RadioHistory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "history/HistoryKeep.h"
#include "model/ProjectFile.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

// A project of random bytes with a band a project file may hold and the given channels in use.
ProjectImage Project(unsigned seed, int channelsInUse) {
    ProjectImage image;
    std::mt19937 random(seed);
    for (auto& b : image.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, n <= channelsInUse);
    }
    return image;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) {
        names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

HistorySettings In(const std::string& folder, size_t keep = 500) {
    return {true, folder, keep};
}

TEST(RadioHistory, AKeptReadIsTheSavedProjectPrivateAndNamedByTimeKindAndJob) {
    TempFolder temp;
    // Missing folders are made, and made private.
    const std::string folder = temp.File("data/radioprog/history");
    const ProjectImage image = Project(1, 5);
    const BandLimits band{136000000, 174000000};
    HistoryRecord record{
        HistoryJob::Read, RadioKind::Y, {2026, 11, 30, 9, 15}, LocalTime(2026, 12, 7, 16, 45, 12)};

    std::string first;
    ASSERT_TRUE(KeepProjectInHistory(In(folder), record, image, band, &first));
    EXPECT_EQ(fs::path(first).filename(), "2026-12-07_16-45-12_Y_read_w2026-11-30-09-15.Vkf");
    ProjectImage saved = image;
    ASSERT_TRUE(SaveProject(temp.File("saved.Vkf"), saved, band));
    EXPECT_EQ(ReadAll(first), ReadAll(temp.File("saved.Vkf")));
    EXPECT_EQ(ModeOf(first), 0600u);
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(temp.File("data")), 0700u);

    // A second read in the same second is kept beside the first, which stays as it was.
    std::string second;
    ASSERT_TRUE(KeepProjectInHistory(In(folder), record, Project(2, 1), band, &second));
    EXPECT_EQ(fs::path(second).filename(), "2026-12-07_16-45-12_Y_read_w2026-11-30-09-15_2.Vkf");
    EXPECT_EQ(ReadAll(first), ReadAll(temp.File("saved.Vkf")));

    // A radio without a programming time (a legacy radio) has none in the name.
    std::string legacy;
    record.kind = RadioKind::Legacy;
    record.radioStamp = {};
    ASSERT_TRUE(KeepProjectInHistory(In(folder), record, image, band, &legacy));
    EXPECT_EQ(fs::path(legacy).filename(), "2026-12-07_16-45-12_legacy_read.Vkf");

    // The calibration block is the calibration file.
    CalibrationData calibration;
    std::mt19937 random(3);
    for (auto& b : calibration.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    std::string kept;
    record = {HistoryJob::CalibrationBackup,
              RadioKind::S,
              {2026, 1, 1, 1, 1},
              LocalTime(2026, 12, 7, 16, 45, 13)};
    ASSERT_TRUE(KeepCalibrationInHistory(In(folder), record, calibration, &kept));
    EXPECT_EQ(fs::path(kept).filename(), "2026-12-07_16-45-13_S_calibration-backup.vkfa");
    ASSERT_TRUE(SaveCalibrationFile(temp.File("saved.vkfa"), calibration));
    EXPECT_EQ(ReadAll(kept), ReadAll(temp.File("saved.vkfa")));
    EXPECT_EQ(ModeOf(kept), 0600u);
}

TEST(RadioHistory, TurnedOffNothingIsWrittenAndAFolderThatIsAFileFailsTheKeepingOnly) {
    TempFolder temp;
    HistorySettings off = In(temp.File("history"));
    off.enabled = false;
    std::string kept = "untouched";
    EXPECT_TRUE(KeepProjectInHistory(off, HistoryJob::Read, RadioKind::S, Project(1, 1),
                                     BandLimits{}, &kept));
    EXPECT_FALSE(fs::exists(temp.File("history")));
    EXPECT_EQ(kept, "untouched");

    std::ofstream(temp.File("plain")) << "a file, not a folder";
    const FileResult failed = KeepProjectInHistory(In(temp.File("plain/history")), HistoryJob::Read,
                                                   RadioKind::S, Project(1, 1), BandLimits{});
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.message.find("plain"), std::string::npos) << failed.message;
}

TEST(RadioHistory, TheLimitDeletesTheOldestEntriesAndNothingElse) {
    TempFolder temp;
    const std::string folder = temp.Path().string();
    const std::vector<std::string> others = {
        "programming-log.csv",
        "notes.txt",
        "2026-12-07_16-45-12_Y_read.Vkf.bak",
        "2026-12-07_16-45-12_Y_read.vkfa",  // a project's job under a calibration extension
        "2026-13-07_16-45-12_Y_read.Vkf",   // no such month
        "2026-12-07_16-45-12_Q_read.Vkf",   // no such radio
        "2026-12-07_16-45-12_S_read_02.Vkf"};
    for (const std::string& name : others) {
        std::ofstream(temp.File(name)) << "someone else's";
    }
    // An entry's name on a folder is not ours either.
    fs::create_directory(temp.File("2020-01-01_00-00-00_S_read.Vkf"));

    const BandLimits band{400000000, 480000000};
    std::vector<std::string> kept;
    for (int minute = 0; minute < 6; ++minute) {
        std::string path;
        // Kept out of order: the times kept, not the order of keeping, decide what is oldest.
        const int at = (minute * 5) % 6;
        ASSERT_TRUE(KeepProjectInHistory(
            In(folder, 3), {HistoryJob::Backup, RadioKind::S, {}, LocalTime(2026, 3, 1, 8, at, 0)},
            Project(static_cast<unsigned>(at), 2), band, &path));
        kept.push_back(path);
    }
    std::vector<std::string> expected = others;
    expected.push_back("2020-01-01_00-00-00_S_read.Vkf");
    // The read kept last (08:01) stays although two entries are dated later: it was reported.
    for (int minute : {1, 4, 5}) {
        expected.push_back("2026-03-01_08-0" + std::to_string(minute) + "-00_S_backup.Vkf");
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(temp.Path()), expected);
}

TEST(RadioHistory, TheListingReadsKindJobBandChannelsAndStampNewestFirstAndSkipsForeignFiles) {
    TempFolder temp;
    const std::string folder = temp.Path().string();
    const BandLimits uhf{400000000, 480000000};
    const BandLimits vhf{136000000, 174000000};
    ASSERT_TRUE(KeepProjectInHistory(
        In(folder),
        {HistoryJob::Read, RadioKind::Y, {2025, 5, 6, 7, 8}, LocalTime(2026, 1, 2, 3, 4, 5)},
        Project(1, 7), uhf));
    for (int channels : {16, 3}) {
        ASSERT_TRUE(KeepProjectInHistory(
            In(folder), {HistoryJob::Backup, RadioKind::Legacy, {}, LocalTime(2026, 1, 2, 3, 4, 6)},
            Project(2, channels), vhf));
    }
    CalibrationData calibration;
    calibration.SetPoint(0, {136, 1, 2, 3, 4, 5});
    calibration.SetPoint(2, {174, 1, 2, 3, 4, 5});
    ASSERT_TRUE(KeepCalibrationInHistory(
        In(folder),
        {HistoryJob::CalibrationRead, RadioKind::S, {}, LocalTime(2025, 12, 31, 23, 59, 59)},
        calibration));
    // Under an entry's name: text, and a project cut short.
    std::ofstream(temp.File("2027-01-01_00-00-00_S_read.Vkf")) << "not a project\n";
    std::ofstream(temp.File("2027-01-01_00-00-01_S_read.Vkf"), std::ios::binary)
        << std::string(100, '\x01');

    const std::vector<HistoryEntry> entries = ListHistory(folder);
    ASSERT_EQ(entries.size(), 4u);
    // The second read of that second is the newer one.
    EXPECT_EQ(entries[0].sequence, 2);
    EXPECT_EQ(entries[0].channelsInUse, 3);
    EXPECT_EQ(entries[1].kind, RadioKind::Legacy);
    EXPECT_EQ(entries[1].job, HistoryJob::Backup);
    EXPECT_EQ(entries[1].sequence, 1);
    EXPECT_EQ(entries[1].band, vhf);
    EXPECT_EQ(entries[1].channelsInUse, 16);
    EXPECT_EQ(entries[1].radioStamp, LastWriteTime{});

    EXPECT_EQ(entries[2].kind, RadioKind::Y);
    EXPECT_EQ(entries[2].job, HistoryJob::Read);
    EXPECT_EQ(entries[2].time, (HistoryTime{2026, 1, 2, 3, 4, 5}));
    EXPECT_EQ(entries[2].band, uhf);
    EXPECT_EQ(entries[2].channelsInUse, 7);
    EXPECT_EQ(entries[2].radioStamp, (LastWriteTime{2025, 5, 6, 7, 8}));

    EXPECT_EQ(entries[3].job, HistoryJob::CalibrationRead);
    EXPECT_EQ(entries[3].calibrationPointsMhz, (std::vector<int>{136, 174}));
    EXPECT_EQ(fs::path(entries[3].path).parent_path(), temp.Path());

    EXPECT_TRUE(ListHistory(temp.File("missing")).empty());
}

TEST(RadioHistory, SettingsComeFromTheKeysWithTheUsersDataFolderAsDefault) {
    ConfigValues config;
    {
        const testing::ScopedEnvironment data("XDG_DATA_HOME", "/somewhere/data");
        EXPECT_EQ(HistorySettingsOf(config).folder, "/somewhere/data/radioprog/history");
        EXPECT_TRUE(HistorySettingsOf(config).enabled);
        EXPECT_EQ(HistorySettingsOf(config).keep, 500u);
    }
    {
        const testing::ScopedEnvironment noData("XDG_DATA_HOME", std::nullopt);
        const testing::ScopedEnvironment home("HOME", "/home/tech");
        EXPECT_EQ(DefaultHistoryFolder(), "/home/tech/.local/share/radioprog/history");
        ConfigValues tilde;
        tilde.historyFolder = "~/radio backups";
        EXPECT_EQ(HistorySettingsOf(tilde).folder, "/home/tech/radio backups");
    }
    config.historyFolder = "/elsewhere";
    config.historyKeep = 20;
    config.historyEnabled = false;
    const HistorySettings settings = HistorySettingsOf(config);
    EXPECT_EQ(settings.folder, "/elsewhere");
    EXPECT_EQ(settings.keep, 20u);
    EXPECT_FALSE(settings.enabled);
}

}  // namespace
}  // namespace radioprog
