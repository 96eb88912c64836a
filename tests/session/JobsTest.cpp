// The jobs as a front end runs them: what a read and a safe write keep in the history and the
// bench log, and what they tell their host, on virtual time against the simulated radio.

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "SessionFixture.h"
#include "history/RadioHistory.h"
#include "jobs/RadioJobs.h"
#include "jobs/SafeWriteJob.h"
#include "model/ProjectFile.h"
#include "programminglog/ProgrammingLog.h"
#include "support/TempFolder.h"

namespace radioprog::testing {
namespace {

std::vector<char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<uint8_t> BytesOf(const ProjectImage& image) {
    const auto bytes = image.Raw();
    return {bytes.begin(), bytes.end()};
}

class JobsTest : public SessionTest {
  protected:
    JobsTest() { history.folder = folder.File("history"); }

    SessionOutcome Run(const JobOrder& order, SessionState& state) {
        job = MakeJob(order, {state, data.port, line, host, history, Probe()});
        host.Attach(*job);
        job->ProgramStartClick();
        host.RunUntilEnded(kLongEnoughMs);
        return job->Outcome();
    }
    SessionOutcome Run(const JobOrder& order) { return Run(order, data); }

    std::vector<std::string> LogLines() const {
        std::ifstream in(ProgrammingLogPath(history.folder));
        std::vector<std::string> lines;
        for (std::string text; std::getline(in, text);) {
            lines.push_back(text);
        }
        return lines;
    }

    std::vector<JobNoteKind> Notes() const {
        std::vector<JobNoteKind> kinds;
        for (const JobNote& note : host.notes) {
            kinds.push_back(note.kind);
        }
        return kinds;
    }

    TempFolder folder;
    HistorySettings history;
    std::unique_ptr<SessionDriver> job;
};

TEST_F(JobsTest, AReadIsKeptInTheHistoryAsTheRadioHoldsItAndTheHostLearnsOfIt) {
    AttachRadio(RadioKind::Y);
    ASSERT_EQ(Run({SessionMode::Data, true, {}, {}}), SessionOutcome::Success);
    EXPECT_EQ(host.mainRefreshCount, 1);
    EXPECT_TRUE(host.notes.empty());

    const std::vector<HistoryEntry> entries = ListHistory(history.folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].job, HistoryJob::Read);
    EXPECT_EQ(entries[0].kind, RadioKind::Y);
    // The entry holds exactly what Save makes of the project the read brought.
    const std::string saved = folder.File("saved.Vkf");
    ASSERT_TRUE(SaveProject(saved, data.image, data.band));
    EXPECT_EQ(FileBytes(entries[0].path), FileBytes(saved));
    // A read writes nothing to the bench log.
    EXPECT_FALSE(std::filesystem::exists(ProgrammingLogPath(history.folder)));
}

TEST_F(JobsTest, AReadIntoACopyLeavesTheProjectAndIsKeptAllTheSame) {
    AttachRadio(RadioKind::S);
    data.image.SetText(image::UnlockPassword, "");
    const ProjectImage before = data.image;
    SessionState copy = data;
    ASSERT_EQ(Run({SessionMode::Data, true, {}, {}}, copy), SessionOutcome::Success);
    EXPECT_EQ(BytesOf(data.image), BytesOf(before));
    EXPECT_NE(BytesOf(copy.image), BytesOf(before));
    EXPECT_EQ(ListHistory(history.folder).size(), 1u);
}

TEST_F(JobsTest, ACalibrationReadIsKeptAndTheChipStatusIsNot) {
    AttachRadio(RadioKind::S);
    ASSERT_EQ(Run({SessionMode::ChipStatus, true, {}, {}}), SessionOutcome::Success);
    EXPECT_TRUE(ListHistory(history.folder).empty());
    ASSERT_EQ(Run({SessionMode::Calibration, true, {}, {}}), SessionOutcome::Success);
    const std::vector<HistoryEntry> entries = ListHistory(history.folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].job, HistoryJob::CalibrationRead);
    EXPECT_EQ(host.calibrationRefreshCount, 2);
}

TEST_F(JobsTest, AReadThatCannotBeKeptStandsAndSaysWhy) {
    AttachRadio(RadioKind::S);
    std::ofstream(history.folder) << "a file where the folder should be";
    EXPECT_EQ(Run({SessionMode::Data, true, {}, {}}), SessionOutcome::Success);
    EXPECT_EQ(Notes(), std::vector{JobNoteKind::ReadNotKept});
    EXPECT_EQ(host.mainRefreshCount, 1);
}

// A history limit that was refused trims nothing; a backup says so as a read does, so the
// user learns why the folder keeps growing whichever job kept the entry.
TEST_F(JobsTest, AKeptReadOrBackupCarriesTheHistorysNotice) {
    AttachRadio(RadioKind::S);
    history.keepRefused = "1e3";
    ASSERT_EQ(Run({SessionMode::Data, true, {}, {}}), SessionOutcome::Success);
    EXPECT_EQ(Notes(), std::vector{JobNoteKind::KeptWithNotice});
    host.notes.clear();
    ASSERT_EQ(Run({SessionMode::Data, false, {true, false}, {}}), SessionOutcome::Success);
    EXPECT_EQ(Notes(), (std::vector{JobNoteKind::BackupKept, JobNoteKind::KeptWithNotice}));
    EXPECT_NE(host.notes.back().detail.find("1e3"), std::string::npos) << host.notes.back().detail;
}

// What the port mended on opening reaches the front end through the job and through each
// stage of a checked write, and the job goes on.
TEST_F(JobsTest, WhatThePortMendedOnOpeningIsSaidAndTheJobGoesOn) {
    AttachRadio(RadioKind::S);
    line.MendOnOpen(kPort1, "the mark was cleared.");
    ASSERT_EQ(Run({SessionMode::Data, true, {}, {}}), SessionOutcome::Success);
    ASSERT_EQ(host.portMended.size(), 1u);
    EXPECT_EQ(host.portMended[0], "COM1 (" + std::string(kPort1) + "): the mark was cleared.");
    host.portMended.clear();
    ASSERT_EQ(Run({SessionMode::Data, false, {true, true}, {}}), SessionOutcome::Success);
    EXPECT_EQ(host.portMended.size(), 3u) << "backup, write and read-back each open the port";
}

TEST_F(JobsTest, ASafeWriteKeepsItsBackupAndLogsOneLineNamingIt) {
    AttachRadio(RadioKind::S);
    ASSERT_EQ(Run({SessionMode::Data, false, {true, true}, "/projects/site.Vkf"}),
              SessionOutcome::Success);
    ASSERT_EQ(host.notes.size(), 1u);
    EXPECT_EQ(host.notes[0].kind, JobNoteKind::BackupKept);
    const std::vector<HistoryEntry> entries = ListHistory(history.folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].job, HistoryJob::Backup);
    EXPECT_EQ(entries[0].path, host.notes[0].detail);

    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);  // the header and the write's line
    const std::string& written = lines[1];
    for (const std::string word : {"write", "success", "agreed", "/projects/site.Vkf"}) {
        EXPECT_NE(written.find(word), std::string::npos) << word << " in " << written;
    }
    EXPECT_NE(written.find(std::filesystem::path(entries[0].path).filename().string()),
              std::string::npos)
        << written;
    // The write sent the project; no read of the safety net replaced it.
    EXPECT_EQ(host.mainRefreshCount, 0);
}

TEST_F(JobsTest, EveryWriteThatStartedIsLoggedHoweverItEnded) {
    AttachRadio(RadioKind::S, "9999");
    data.image.SetText(image::UnlockPassword, "1111");
    EXPECT_EQ(Run({SessionMode::Calibration, false, {}, {}}), SessionOutcome::PasswordError);
    line.AddDevice(kPort2, nullptr);  // where nothing answers
    UsePorts({kPort1, kPort2}, false, 2);
    EXPECT_EQ(Run({SessionMode::CalibrationAndData, false, {}, {}}),
              SessionOutcome::CommunicationFalse);

    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[1].find("calibration-write"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("password-error"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("write-all"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("communication-false"), std::string::npos) << lines[2];
}

TEST_F(JobsTest, ANewPasswordIsLoggedLikeAnyWrite) {
    AttachRadio(RadioKind::Y);
    data.image.SetText(image::NewPassword, "4321");
    EXPECT_EQ(Run({SessionMode::NewPassword, false, {true, true}, {}}), SessionOutcome::Success);
    // Nothing to back up or read back.
    EXPECT_EQ(host.stages, std::vector{WriteStage::Write});
    EXPECT_TRUE(ListHistory(history.folder).empty());
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find(",set-password,success,not-run,"), std::string::npos) << lines[1];
    // The radio took it: the old key no longer opens it, the new one does.
    EXPECT_EQ(Run({SessionMode::Data, true, {}, {}}), SessionOutcome::PasswordError);
    data.image.SetText(image::UnlockPassword, "4321");
    EXPECT_EQ(Run({SessionMode::Data, true, {}, {}}), SessionOutcome::Success);
}

// Every job the front ends run: a write always adds one log line, a read of the data or the
// calibration block always one history entry, the chip status neither.
TEST_F(JobsTest, EveryJobKeepsAndLogsWhatItsKindDoes) {
    struct Case {
        SessionMode mode;
        bool read;
        size_t entries;
        size_t logLines;
    };
    const Case cases[] = {
        {SessionMode::Data, true, 1, 0},         {SessionMode::Calibration, true, 1, 0},
        {SessionMode::ChipStatus, true, 0, 0},   {SessionMode::Data, false, 0, 1},
        {SessionMode::Calibration, false, 0, 1}, {SessionMode::CalibrationAndData, false, 0, 1},
        {SessionMode::NewPassword, false, 0, 1}};
    AttachRadio(RadioKind::S);
    size_t entries = 0;
    size_t logLines = 1;  // the header, once there is a log
    for (const Case& kind : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(kind.mode) << " read " << kind.read);
        ASSERT_EQ(Run({kind.mode, kind.read, {}, {}}), SessionOutcome::Success);
        entries += kind.entries;
        logLines += kind.logLines;
        EXPECT_EQ(ListHistory(history.folder).size(), entries);
        EXPECT_EQ(LogLines().size(), logLines > 1 ? logLines : 0);
    }
}

// A calibration write keeps the block alone; a write of calibration and data keeps both it
// replaces. Either way the log line names every backup kept.
TEST_F(JobsTest, ACalibrationWriteKeepsOneBackupAndTheLogNamesEveryBackup) {
    const struct {
        SessionMode mode;
        std::vector<HistoryJob> kept;
    } cases[] = {
        {SessionMode::Calibration, {HistoryJob::CalibrationBackup}},
        {SessionMode::CalibrationAndData, {HistoryJob::Backup, HistoryJob::CalibrationBackup}}};
    AttachRadio(RadioKind::S);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        std::filesystem::remove_all(history.folder);
        ASSERT_EQ(Run({c.mode, false, {true, true}, {}}), SessionOutcome::Success);
        std::vector<HistoryJob> kept;
        const std::string logged = LogLines().back();
        for (const HistoryEntry& entry : ListHistory(history.folder)) {
            kept.push_back(entry.job);
            EXPECT_NE(logged.find(std::filesystem::path(entry.path).filename().string()),
                      std::string::npos)
                << logged;
        }
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(kept, c.kept);
    }
}

TEST_F(JobsTest, ABackupThatCannotBeKeptWritesNothingAndIsSaid) {
    AttachRadio(RadioKind::S);
    std::ofstream(history.folder) << "a file where the folder should be";
    radio->MutableConfig().logRequests = true;
    EXPECT_EQ(Run({SessionMode::Data, false, {true, false}, {}}), SessionOutcome::Closed);
    for (const ReceivedRequest& request : radio->Requests()) {
        EXPECT_NE(request.kind, RequestKind::Write);
    }
    ASSERT_FALSE(host.notes.empty());
    EXPECT_EQ(host.notes[0].kind, JobNoteKind::BackupNotKept);
    // Nor can its line go beside the history: that is said too.
    EXPECT_EQ(Notes().back(), JobNoteKind::LogNotWritten);
}

TEST_F(JobsTest, WithTheHistoryOffAWriteKeepsAndLogsNothing) {
    AttachRadio(RadioKind::S);
    history.enabled = false;
    EXPECT_EQ(Run({SessionMode::Data, false, {}, {}}), SessionOutcome::Success);
    EXPECT_FALSE(std::filesystem::exists(history.folder));
    EXPECT_TRUE(host.notes.empty());
}

}  // namespace
}  // namespace radioprog::testing
