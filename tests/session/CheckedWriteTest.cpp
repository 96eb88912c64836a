// A write with its safety net: the radio's old contents read first, the written areas read
// back afterwards, all on one port and shown as one job with one result.

#include <algorithm>

#include <ostream>
#include <set>

#include "SessionFixture.h"
#include "compare/VerifyDifferences.h"
#include "jobs/RadioJobs.h"
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

    // One backup, of the block: the channel bytes the job rewrites follow from it.
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(backups[0].calibration);
    EXPECT_EQ(
        stages,
        (std::vector{CheckedWrite::Stage::BackupCalibration, CheckedWrite::Stage::Write,
                     CheckedWrite::Stage::VerifyCalibration, CheckedWrite::Stage::VerifyData}));
    EXPECT_TRUE(write->Verify().Agrees());
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

// The radio acknowledged every block, then the read-back met a silent line or a password the
// radio did not take: the job says why, and that the radio is written but unverified.
TEST_F(CheckedWriteTest, AReadBackThatCannotRunLeavesTheWriteUnverified) {
    AttachRadio(RadioKind::S);
    AddChannel();
    ASSERT_EQ(RunJob(SessionMode::Data, false), SessionOutcome::Success);
    const auto writeRequests = static_cast<int>(radio->Requests().size());
    AttachRadio(RadioKind::S).MutableConfig().faults.silentAfter = writeRequests;
    host.messages.clear();

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {false, true}), SessionOutcome::WrittenUnverified);
    EXPECT_EQ(Count(RequestKind::End), 1);  // the write ended as it should
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(host.unverified, std::vector{SessionMessage::CommunicationFalse});
    EXPECT_FALSE(write->Verify().ran);

    AttachRadio(RadioKind::Y, "1111").MutableConfig().faults.dropWrites = {
        radiomap::kPasswordAddress};
    data.image.SetText(image::UnlockPassword, "1111");
    data.image.SetText(image::NewPassword, "2222");
    data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});
    host.unverified.clear();

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {false, true}), SessionOutcome::WrittenUnverified);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(host.unverified, std::vector{SessionMessage::PasswordError});
}

TEST_F(CheckedWriteTest, AFailedStageEndsTheJobWithItsOwnMessage) {
    AttachRadio(RadioKind::S, "1111");  // the project does not know the password
    AddChannel();

    EXPECT_EQ(RunCheckedWrite(SessionMode::Data, {true, true}), SessionOutcome::PasswordError);

    EXPECT_EQ(Messages(), std::vector{SessionMessage::PasswordError});
    EXPECT_EQ(Count(RequestKind::Write), 0);
    EXPECT_TRUE(backups.empty());
}

// Every job that writes data or calibration, on every kind of radio that takes it, with and
// without the new password where the job can send one. A legacy radio takes the data write
// only.
struct WritingJob {
    RadioKind kind;
    SessionMode mode;
    bool newPassword;
    friend std::ostream& operator<<(std::ostream& out, const WritingJob& job) {
        return out << RadioKindName(job.kind) << " radio, mode " << static_cast<int>(job.mode)
                   << (job.newPassword ? ", new password" : "");
    }
};

std::vector<WritingJob> EveryWritingJob() {
    ProjectImage withPassword;
    withPassword.Set(image::WriteNewPasswordWithData, uint8_t{1});
    std::vector<WritingJob> jobs;
    for (const RadioKind kind : {RadioKind::S, RadioKind::Y, RadioKind::Legacy}) {
        for (const SessionMode mode :
             {SessionMode::Data, SessionMode::Calibration, SessionMode::NewPassword,
              SessionMode::ChipStatus, SessionMode::CalibrationAndData}) {
            if (!IsSafeWrite({mode, false, {}, {}}) ||
                (kind == RadioKind::Legacy && mode != SessionMode::Data)) {
                continue;
            }
            jobs.push_back({kind, mode, false});
            if (kind != RadioKind::Legacy && WritesNewPasswordWithData(withPassword, mode)) {
                jobs.push_back({kind, mode, true});
            }
        }
    }
    return jobs;
}

class VerifySweepTest : public CheckedWriteTest, public ::testing::WithParamInterface<WritingJob> {
  protected:
    void PrepareRadioAndProject() {
        AttachRadio(GetParam().kind);
        if (GetParam().newPassword) {
            data.image.SetText(image::NewPassword, "2468");
            data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});
        }
    }

    // The bytes the last write request for address carried, as the radio received them.
    std::vector<uint8_t> SentTo(uint16_t address) const {
        std::vector<uint8_t> sent;
        for (const ReceivedRequest& request : radio->Requests()) {
            if (request.kind == RequestKind::Write && request.address == address) {
                sent = request.data;
            }
        }
        return sent;
    }
};

// The date and time a current radio keeps of its last write: it says when, not what.
bool IsWriteStamp(RadioKind kind, uint16_t address) {
    return kind != RadioKind::Legacy && address >= radiomap::kSettingsAddress &&
           address <= radiomap::kSettingsAddress + settingsarea::kMinute;
}

// For every block the job's plan writes, a radio that acknowledges that block without storing
// it: the read-back names that block, and nothing else, whenever the radio was left holding
// something other than what was sent; a job that wrote no settings names no setting.
TEST_P(VerifySweepTest, EveryBlockAJobWritesIsReadBack) {
    const WritingJob job = GetParam();
    PrepareRadioAndProject();
    ASSERT_EQ(RunJob(job.mode, false), SessionOutcome::Success);
    const TransferPlan plan = session->Plan();
    const std::vector<WrittenBlock> blocks = WrittenBlocks(plan);
    ASSERT_FALSE(blocks.empty());

    // Blocks the job reads before it writes them go back as read, changed or not; every other
    // block is first filled with the opposite of what the job sends, so that a drop shows. The
    // password area keeps "no password", so that the radio opens.
    std::set<uint16_t> readFirst;
    std::set<uint16_t> readSoFar;
    bool writesSettings = false;
    for (const PlanStep& step : plan.steps) {
        for (int offset = step.first; step.kind == PlanStep::Kind::Blocks && offset < step.limit;
             offset += kBlockSize) {
            const uint16_t address = RadioAddressOf(step.request, offset);
            if (IsReadRequest(step.request)) {
                readSoFar.insert(address);
            } else if (readSoFar.count(address) != 0) {
                readFirst.insert(address);
            }
        }
    }
    std::map<uint16_t, std::vector<uint8_t>> opposite;
    for (const WrittenBlock& block : blocks) {
        std::vector<uint8_t> bytes = SentTo(block.address);
        ASSERT_EQ(bytes.size(), size_t{kBlockSize}) << block.address;
        for (uint8_t& byte : bytes) {
            byte = static_cast<uint8_t>(~byte);
        }
        if (readFirst.count(block.address) == 0 && block.address != radiomap::kPasswordAddress) {
            opposite[block.address] = bytes;
        }
        writesSettings = writesSettings || job.kind == RadioKind::Legacy ||
                         PlaceOfAddress(block.address, false).kind == MemoryPlace::Kind::Settings;
    }

    int named = 0;
    for (const WrittenBlock& block : blocks) {
        SCOPED_TRACE(::testing::Message() << "dropping 0x" << std::hex << block.address);
        PrepareRadioAndProject();
        for (const auto& [address, bytes] : opposite) {
            std::copy(bytes.begin(), bytes.end(), radio->Memory().begin() + address);
        }
        radio->MutableConfig().faults.dropWrites = {block.address};
        const std::vector<uint8_t> before(radio->Memory().begin(), radio->Memory().end());
        failedReports.clear();
        host.messages.clear();

        const SessionOutcome outcome = RunCheckedWrite(job.mode, {false, true});

        const std::vector<uint8_t> sent = SentTo(block.address);
        ASSERT_EQ(sent.size(), size_t{kBlockSize});
        bool leftAsItWas = true;
        for (int i = 0; i < kBlockSize; ++i) {
            const auto address = static_cast<uint16_t>(block.address + i);
            leftAsItWas = leftAsItWas && (IsWriteStamp(job.kind, address) ||
                                          before.at(address) == sent[static_cast<size_t>(i)]);
        }
        if (leftAsItWas) {
            EXPECT_EQ(outcome, SessionOutcome::Success);
            continue;
        }
        ++named;
        ASSERT_EQ(outcome, SessionOutcome::VerifyFailed);
        ASSERT_EQ(failedReports.size(), 1u);
        const std::vector<uint16_t>& differing = failedReports[0].differingAddresses;
        ASSERT_FALSE(differing.empty());
        EXPECT_GE(differing.front(), block.address);
        EXPECT_LT(differing.back(), block.address + kBlockSize);
        if (!writesSettings) {
            for (const FieldDifference& field : VerifyDifferences(failedReports[0])) {
                EXPECT_EQ(field.area, FieldDifference::Area::Channel) << field.field;
            }
        }
    }
    // Only blocks the job reads and writes back unchanged can leave the radio as it was.
    EXPECT_GE(named, static_cast<int>(blocks.size() - readFirst.size()));
}

INSTANTIATE_TEST_SUITE_P(EveryWritingJob, VerifySweepTest, ::testing::ValuesIn(EveryWritingJob()));

}  // namespace
}  // namespace radioprog::testing
