// A radio whose answer comes after the one-second repeat answers the repeat as well. The
// session takes the first answer and steps over the copy: every job ends as it does with a
// prompt radio, with the same bytes. A copy nobody asked for, or another byte, still fails.

#include <algorithm>
#include <tuple>

#include "SessionFixture.h"
#include "calibration/CalibrationData.h"

namespace radioprog::testing {
namespace {

constexpr int kWakingUpMs = 1100;  // past the one-second repeat

struct JobCase {
    const char* name;
    RadioKind kind;
    SessionMode mode;
    bool read;
    friend void PrintTo(const JobCase& job, std::ostream* out) { *out << job.name; }
};

// One job in a world of its own, so that a test can hold two runs side by side.
class JobRun : public SessionTest {
  public:
    void TestBody() override {}
    using SessionTest::AttachRadio;
    using SessionTest::data;
    using SessionTest::Messages;
    using SessionTest::radio;
    using SessionTest::radioEnd;
    using SessionTest::RunJob;

    SessionOutcome Go(const JobCase& job, int firstReplyDelayMs) {
        AttachRadio(job.kind).MutableConfig().firstReplyDelayMs = firstReplyDelayMs;
        ResetProjectToDefaults(data);
        data.band = {400000000, 480000000};
        ResetCalibrationData(data.calibration, data.band);
        ChannelRecord channel = data.image.Channel(3);
        channel.InitialiseNew(438012500);
        channel.SetRxTone(1, 885);
        data.image.SetChannelValid(3, true);
        return RunJob(job.mode, job.read);
    }

    // The handshakes (or status queries) that opened the session.
    int Openings() const {
        int count = 0;
        for (const ReceivedRequest& r : radio->Requests()) {
            count += r.kind == RequestKind::Handshake || r.kind == RequestKind::StatusQuery;
        }
        return count;
    }

    // Everything else the radio was asked, with the data it was given.
    std::vector<std::tuple<RequestKind, uint16_t, std::vector<uint8_t>>> Job() const {
        std::vector<std::tuple<RequestKind, uint16_t, std::vector<uint8_t>>> asked;
        for (const ReceivedRequest& r : radio->Requests()) {
            if (r.kind != RequestKind::Handshake && r.kind != RequestKind::StatusQuery) {
                asked.emplace_back(r.kind, r.address, r.data);
            }
        }
        return asked;
    }
};

class LateFirstAnswerTest : public ::testing::TestWithParam<JobCase> {};

TEST_P(LateFirstAnswerTest, JobEndsAsWithAPromptRadioAndMovesTheSameBytes) {
    JobRun prompt;
    JobRun late;
    ASSERT_EQ(prompt.Go(GetParam(), 0), SessionOutcome::Success);

    EXPECT_EQ(late.Go(GetParam(), kWakingUpMs), SessionOutcome::Success);

    EXPECT_EQ(late.Openings(), 2) << "the late answer crosses the repeat";
    EXPECT_EQ(late.Messages(), std::vector{SessionMessage::Success});
    EXPECT_EQ(late.Job(), prompt.Job());
    const auto lateMemory = late.radio->Memory();
    const auto promptMemory = prompt.radio->Memory();
    EXPECT_TRUE(
        std::equal(lateMemory.begin(), lateMemory.end(), promptMemory.begin(), promptMemory.end()));
    if (GetParam().read) {
        // (A write's buffer also holds a password block of fresh random bytes it never sends.)
        EXPECT_TRUE(late.data.radioMemory.bytes == prompt.data.radioMemory.bytes);
    }
    EXPECT_TRUE(ModelSnapshot(late.data) == ModelSnapshot(prompt.data));
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, LateFirstAnswerTest,
    ::testing::Values(JobCase{"Read", RadioKind::S, SessionMode::Data, true},
                      JobCase{"Write", RadioKind::Y, SessionMode::Data, false},
                      JobCase{"CalibrationRead", RadioKind::Y, SessionMode::Calibration, true},
                      JobCase{"CalibrationWrite", RadioKind::S, SessionMode::Calibration, false},
                      JobCase{"CalibrationAndDataWrite", RadioKind::S,
                              SessionMode::CalibrationAndData, false},
                      JobCase{"ChipStatus", RadioKind::Y, SessionMode::ChipStatus, true},
                      JobCase{"LegacyRead", RadioKind::Legacy, SessionMode::Data, true},
                      JobCase{"LegacyWrite", RadioKind::Legacy, SessionMode::Data, false}),
    [](const ::testing::TestParamInfo<JobCase>& testCase) { return testCase.param.name; });

std::vector<uint8_t> DataReply(const RadioSimulator& radio, uint16_t address) {
    std::vector<uint8_t> reply = protocol::ReadRequest(address, 16);
    reply[0] = protocol::kDataCommand;
    const auto memory = radio.Memory();
    reply.insert(reply.end(), memory.begin() + address, memory.begin() + address + 16);
    return reply;
}

std::vector<uint8_t> WriteHeader(const WrittenBytes& w) {
    return {w.bytes.begin(), w.bytes.begin() + 3};
}

// The first answer overtaken by the replies that followed: its copy lands just as the first
// block of the calibration goes out, which is acknowledged, not answered with data.
TEST_F(SessionTest, CopyOfTheHandshakeAnswerAtTheFirstJobBlockIsSteppedOver) {
    AttachRadio(RadioKind::S);
    ResetCalibrationData(data.calibration, {400000000, 480000000});
    radioEnd->intercept = [](int write) -> std::vector<TimedBytes> {
        switch (write) {
            case 0:  // the first handshake: its answer comes late, below
                return {{0, {}}};
            case 4:  // the first calibration block
                return {{0, {protocol::kAnswerS}}, {5, {protocol::kAck}}};
            default:
                return {};
        }
    };

    EXPECT_EQ(RunJob(SessionMode::Calibration, false), SessionOutcome::Success);

    ASSERT_GT(line.Writes().size(), 4u);
    EXPECT_EQ(line.CountWrites(kPort1, protocol::kHandshake), 2);
    EXPECT_EQ(WriteHeader(line.Writes()[4]), (std::vector<uint8_t>{'W', 0x81, 0xB0}));
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

// The read before the first write is answered late and then once more for its repeat; the
// copy's first byte arrives alone while the session waits for the write's acknowledgement.
TEST_F(SessionTest, CopyOfADataReplyBeforeAWriteAcknowledgementIsSteppedOver) {
    RadioSimulator& r = AttachRadio(RadioKind::S);
    ResetProjectToDefaults(data);
    const uint16_t lastCalibrationBlock = 0x81B0 + 8 * 16;
    // Writes 0..2 open the session, 3..11 read the calibration block.
    radioEnd->intercept = [&r](int write) -> std::vector<TimedBytes> {
        std::vector<uint8_t> reply = DataReply(r, lastCalibrationBlock);
        switch (write) {
            case 11:  // answered late, below
                return {{0, {}}};
            case 12:  // the repeat
                return {{0, reply}};
            case 13: {  // the first settings block
                std::vector<uint8_t> rest(reply.begin() + 1, reply.end());
                return {{0, {protocol::kDataCommand}}, {4, rest}, {8, {protocol::kAck}}};
            }
            default:
                return {};
        }
    };

    EXPECT_EQ(RunJob(SessionMode::Data, false), SessionOutcome::Success);

    ASSERT_GT(line.Writes().size(), 13u);
    EXPECT_EQ(line.Writes()[12].bytes, protocol::ReadRequest(lastCalibrationBlock, 16));
    EXPECT_EQ(WriteHeader(line.Writes()[13]), (std::vector<uint8_t>{'W', 0x40, 0x00}));
    EXPECT_EQ(line.CountWrites(kPort1, line.Writes()[13].bytes), 1);
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

// Only a copy of the answer already taken, and only as many as there were repeats.
TEST_F(SessionTest, AnythingButACopyOwedToARepeatStillBreaksTheRules) {
    // The password area's reply comes after the stray byte.
    const auto slowReads = [](uint8_t first) { return first == protocol::kReadCommand ? 20 : 0; };
    {
        SCOPED_TRACE("a handshake sent once and answered twice");
        JobRun run;
        RadioSimulator& r = run.AttachRadio(RadioKind::S);
        run.radioEnd->intercept = [&r](int write) -> std::vector<TimedBytes> {
            if (write == 1) {  // the first password block
                return {{0, {protocol::kAnswerS}}, {5, DataReply(r, 0x4040)}};
            }
            return {};
        };
        EXPECT_EQ(run.RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);
    }
    {
        SCOPED_TRACE("the repeat answered with another byte");
        JobRun run;
        run.AttachRadio(RadioKind::S).MutableConfig().firstReplyDelayMs = kWakingUpMs;
        run.radioEnd->replyDelay = slowReads;
        run.radioEnd->intercept = [](int write) -> std::vector<TimedBytes> {
            if (write == 1) {  // the repeated handshake, answered after the late 'S'
                return {{kWakingUpMs - kTxIntervalMs + 9, {protocol::kAnswerY}}};
            }
            return {};
        };
        EXPECT_EQ(run.RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);
    }
}

}  // namespace
}  // namespace radioprog::testing
