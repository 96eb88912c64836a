// A write with its safety net: the radio's old contents read first, the written areas read
// back afterwards, all on one port and shown as one job with one result.

#include <algorithm>

#include "SessionFixture.h"
#include "session/CheckedWrite.h"

namespace radioprog::testing {
namespace {

class CheckedWriteTest : public SessionTest {
  protected:
    SessionOutcome RunCheckedWrite(SessionMode mode, CheckedWriteOptions options) {
        write = std::make_unique<CheckedWrite>(data, data.port, line, host, mode, options, Probe());
        write->WriteTime = [] { return LastWriteTime{2024, 5, 6, 7, 8}; };
        host.keepBackup = [this](const BackupRead& backup) {
            backups.push_back({backup.calibration, backup.kind, backup.radio.image,
                               backup.radio.band, backup.radio.calibration});
            return keepBackups;
        };
        host.Attach(*write);
        write->ProgramStartClick();
        host.RunUntilEnded(kLongEnoughMs);
        return write->Outcome();
    }

    int Count(RequestKind kind) const {
        const auto& requests = radio->Requests();
        return static_cast<int>(std::count_if(requests.begin(), requests.end(),
                                              [kind](const auto& r) { return r.kind == kind; }));
    }

    // Puts the first channel the project does not use on 446.1 MHz; returns its number.
    int AddChannel() {
        int n = 1;
        while (data.image.IsChannelValid(n)) {
            ++n;
        }
        ChannelRecord ch = data.image.Channel(n);
        ch.InitialiseNew(446100000);
        data.image.SetChannelValid(n, true);
        return n;
    }

    struct KeptBackup {
        bool calibration;
        RadioKind kind;
        ProjectImage image;
        BandLimits band;
        CalibrationData calibrationData;
    };
    std::unique_ptr<CheckedWrite> write;
    std::vector<KeptBackup> backups;
    std::vector<VerifyReport>& failedReports = host.failedReports;
    std::vector<CheckedWrite::Stage>& stages = host.stages;
    bool keepBackups = true;
};

class CheckedDataWriteTest : public CheckedWriteTest,
                             public ::testing::WithParamInterface<RadioKind> {};

TEST_P(CheckedDataWriteTest, BacksUpWritesAndReadsBackAsOneJobWithOneSuccess) {
    AttachRadio(GetParam());
    // The project starts from what the radio holds, so the backup can be told apart from it.
    ASSERT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);
    const ProjectImage radioBefore = data.image;
    const int added = AddChannel();
    host.messages.clear();
    host.progressTrace.clear();
    radio->MutableConfig().logRequests = true;
    const size_t requestsBefore = radio->Requests().size();

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {true, true}), SessionOutcome::Success);

    // One success box for the whole job, and one bar that never runs backwards.
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
    EXPECT_TRUE(std::is_sorted(host.progressTrace.begin(), host.progressTrace.end() - 1));
    EXPECT_EQ(host.progressTrace.back(), 0);
    EXPECT_EQ(host.maxProgress, 100);
    // Three sessions: backup read, write, read-back.
    EXPECT_EQ(stages, (std::vector{CheckedWrite::Stage::BackupData, CheckedWrite::Stage::Write,
                                   CheckedWrite::Stage::VerifyData}));
    EXPECT_EQ(Count(RequestKind::End), 1 + 3);
    EXPECT_GT(radio->Requests().size(), requestsBefore);

    ASSERT_EQ(backups.size(), 1u);
    EXPECT_FALSE(backups[0].calibration);
    EXPECT_EQ(backups[0].kind, GetParam());
    EXPECT_FALSE(backups[0].image.IsChannelValid(added));
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(backups[0].image.IsChannelValid(n), radioBefore.IsChannelValid(n)) << n;
    }
    const VerifyReport& report = write->Verify();
    EXPECT_TRUE(report.ran);
    EXPECT_TRUE(report.Agrees());
    ASSERT_TRUE(report.readProject);
    EXPECT_TRUE(report.readProject->image.IsChannelValid(added));
    EXPECT_EQ(write->RadioMet(), GetParam());
    EXPECT_EQ(write->PortNumber(), 1);
    // The open project was written, never replaced by a read of the safety net.
    EXPECT_TRUE(data.image.IsChannelValid(added));
    EXPECT_EQ(host.mainRefreshCount, 1);  // the first, plain read only
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CheckedDataWriteTest,
                         ::testing::Values(RadioKind::S, RadioKind::Y, RadioKind::Legacy));

TEST_F(CheckedWriteTest, ReadBackNamesTheBlockTheRadioAcknowledgedButDidNotStore) {
    AttachRadio(RadioKind::S).MutableConfig().faults.dropWrites = {0x8080};
    ChannelRecord ch = data.image.Channel(1);
    ch.InitialiseNew(446100000);
    data.image.SetChannelValid(1, true);

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {false, true}), SessionOutcome::VerifyFailed);

    EXPECT_TRUE(Messages().empty());  // no SUCCESS for a radio that holds something else
    ASSERT_EQ(failedReports.size(), 1u);
    const VerifyReport& report = failedReports[0];
    ASSERT_FALSE(report.differingAddresses.empty());
    EXPECT_GE(report.differingAddresses.front(), 0x8080);
    EXPECT_LT(report.differingAddresses.back(), 0x8090);
    const std::vector<MemoryPlace> channelOne = {{MemoryPlace::Kind::Channel, 1}};
    EXPECT_EQ(report.Places(), channelOne);
    ASSERT_TRUE(report.readProject && report.sentProject);
    EXPECT_EQ(report.sentProject->image.Channel(1).RxFreq(), 446100000u);
    EXPECT_NE(report.readProject->image.Channel(1).RxFreq(), 446100000u);
}

TEST_F(CheckedWriteTest, ABackupThatCannotBeKeptStopsTheJobBeforeAnythingIsWritten) {
    AttachRadio(RadioKind::S);
    AddChannel();
    keepBackups = false;

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {true, true}), SessionOutcome::Closed);

    EXPECT_EQ(Count(RequestKind::Write), 0);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(host.closeCount, 1);
}

TEST_F(CheckedWriteTest, ReadBackAfterANewPasswordOpensTheRadioWithIt) {
    AttachRadio(RadioKind::Y, "1111");
    data.image.SetText(image::UnlockPassword, "1111");
    AddChannel();
    data.image.SetText(image::NewPassword, "2222");
    data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {true, true}), SessionOutcome::Success);
    EXPECT_TRUE(write->Verify().Agrees());
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

TEST_F(CheckedWriteTest, CalibrationWriteKeepsAndChecksTheBlockAndTheChannelsItRewrites) {
    AttachRadio(RadioKind::S);
    ASSERT_EQ(RunJob(SessionMode::Calibration, true), SessionOutcome::Success);
    data.calibration.SetSqOffset(2, static_cast<int8_t>(data.calibration.SqOffset(2) + 3));
    host.messages.clear();

    EXPECT_EQ(RunCheckedWrite(SessionMode::Calibration, {true, true}), SessionOutcome::Success);

    ASSERT_EQ(backups.size(), 2u);
    EXPECT_TRUE(backups[0].calibration);
    EXPECT_FALSE(backups[1].calibration);
    EXPECT_TRUE(write->Verify().Agrees());
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

TEST_F(CheckedWriteTest, AFailedStageEndsTheJobWithItsOwnMessage) {
    AttachRadio(RadioKind::S, "1111");  // the project does not know the password
    AddChannel();

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {true, true}), SessionOutcome::PasswordError);

    EXPECT_EQ(Messages(), std::vector{SessionMessage::PasswordError});
    EXPECT_EQ(Count(RequestKind::Write), 0);
    EXPECT_TRUE(backups.empty());
}

}  // namespace
}  // namespace radioprog::testing
