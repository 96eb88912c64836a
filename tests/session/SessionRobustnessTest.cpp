// Replies that break the rules, a flooded line, a window closed mid-transfer, and random
// bytes at random times: every session ends with one of its four results, the data model
// untouched unless the job succeeded.

#include <random>

#include "SessionFixture.h"
#include "support/BlockMessages.h"

namespace radioprog::testing {
namespace {

std::vector<uint8_t> StatusReply(std::array<uint8_t, 2> start) {
    std::vector<uint8_t> reply = {start[0], start[1]};
    for (uint8_t i = 0; i < 11; ++i) {
        reply.push_back(static_cast<uint8_t>(0x10 + i));
    }
    return reply;
}

TEST_F(SessionTest, StatusReplyNotStartingWithYSIsDroppedAndTheQueryRepeated) {
    int queries = 0;
    ScriptedEnd chip([&](std::span<const uint8_t> request) {
        std::vector<ScriptedEnd::Reply> replies;
        if (request.size() == 2 && request[0] == 'Y' && request[1] == 'R') {
            replies.push_back({20, StatusReply(++queries == 1 ? std::array<uint8_t, 2>{'Y', 'X'}
                                                              : std::array<uint8_t, 2>{'Y', 'S'})});
        }
        return replies;
    });
    line.AddDevice(kPort1, &chip);
    UsePorts({kPort1}, false);

    EXPECT_EQ(RunJob(SessionMode::ChipStatus, true), SessionOutcome::Success);

    EXPECT_EQ(queries, 2);
    EXPECT_EQ(line.CountWrites(kPort1, protocol::kHandshake), 0);
    EXPECT_EQ(line.CountWrites(kPort1, std::vector<uint8_t>{protocol::kEnd}), 0);
    EXPECT_EQ(data.calibration.Get(calib::CurBatt), 0x10);
    EXPECT_EQ(data.calibration.Get(calib::Rssi_db), 0x11);
    EXPECT_EQ(host.calibrationRefreshCount, 1);
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

TEST_F(SessionTest, StatusQueryOfTheSimulatedRadioDecodesItsStatus) {
    RadioSimulator& r = AttachRadio(RadioKind::S);
    EXPECT_EQ(RunJob(SessionMode::ChipStatus, true), SessionOutcome::Success);
    EXPECT_EQ(data.calibration.Get(calib::CurBatt), r.Config().status[0]);
    EXPECT_EQ(data.calibration.Get(calib::Noise_db), r.Config().status[2]);
}

TEST_F(SessionTest, TooManyBytesAreDroppedAndTheBlockAskedAgain) {
    AttachRadio(RadioKind::S);
    // Writes 0..2 are the handshake and the password area; 3.. the data blocks.
    radioEnd->intercept = [](int write) -> std::vector<TimedBytes> {
        switch (write) {
            case 3:  // a flood the poll discards unread
                return {{0, std::vector<uint8_t>(300, 'W')}};
            case 5:  // more than fits in the receive buffer, over two polls
                return {{0, std::vector<uint8_t>(200, 'W')}, {20, std::vector<uint8_t>(200, 'W')}};
            case 7:  // one byte too many: never a match
                return {{0, std::vector<uint8_t>(21, 'W')}};
            default:
                return {};
        }
    };

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    std::map<uint16_t, int> asked;
    for (const ReceivedRequest& r : radio->Requests()) {
        if (r.kind == RequestKind::Read) {
            ++asked[r.address];
        }
    }
    // Intercepted writes never reached the radio; each was repeated once and then answered.
    EXPECT_EQ(asked[0x4000], 1);
    EXPECT_EQ(asked[0x4010], 1);
    EXPECT_EQ(asked[0x4020], 1);
    EXPECT_EQ(line.CountWrites(kPort1, protocol::ReadRequest(0x4000, 16)), 2);
    EXPECT_EQ(line.CountWrites(kPort1, protocol::ReadRequest(0x4010, 16)), 2);
    EXPECT_EQ(line.CountWrites(kPort1, protocol::ReadRequest(0x4020, 16)), 2);
    const auto memory = radio->Memory();
    EXPECT_TRUE(std::equal(memory.begin() + 0x4000, memory.begin() + 0x4030,
                           data.radioMemory.bytes.begin()));
}

TEST_F(SessionTest, ClosingTheWindowMidTransferStopsAtOnceWithoutTheEndByte) {
    AttachRadio(RadioKind::S);
    radioEnd->replyDelay = [](uint8_t) { return 20; };
    const ModelSnapshot before(data);
    Start(SessionMode::Data, false);
    host.RunUntilEnded(800);
    ASSERT_TRUE(session->IsRunning());
    ASSERT_GT(radio->Requests().size(), 5u);

    session->FormClose();
    const size_t written = line.Writes().size();
    host.RunUntil(host.Now() + 20000);

    EXPECT_EQ(session->Outcome(), SessionOutcome::Closed);
    EXPECT_EQ(line.Writes().size(), written);
    EXPECT_FALSE(radio->SawEndByte());
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(host.AnyTimerRunning());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ModelSnapshot(data), before);
}

TEST_F(SessionTest, RepliesWithAWrongFirstByteFailTheSession) {
    AttachRadio(RadioKind::S);
    radioEnd->intercept = [](int write) -> std::vector<TimedBytes> {
        if (write == 4) {
            std::vector<uint8_t> reply(20, 0);
            reply[0] = 'X';
            return {{0, reply}};
        }
        return {};
    };
    const ModelSnapshot before(data);
    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);
    EXPECT_FALSE(radio->SawEndByte());
    EXPECT_EQ(ModelSnapshot(data), before);
}

std::vector<uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// The radio's true answer to a read of 16 bytes at address.
std::vector<uint8_t> DataReply(const RadioSimulator& radio, uint16_t address) {
    return BlockMessage(address, radio.Memory().subspan(address, 16));
}

struct BadReplyCase {
    const char* name;
    RadioKind kind;
    bool read;
    int writeIndex;  // which of the session's writes gets the bad answer (0: the handshake)
    std::vector<uint8_t> reply;
};

class BadReplyTest : public SessionTest, public ::testing::WithParamInterface<BadReplyCase> {};

// Every stage has a rule for a complete reply that is wrong: the session ends at once with
// "Communication False", without waiting for the silence limit and without the end byte.
TEST_P(BadReplyTest, EndsTheSessionAtOnce) {
    const BadReplyCase& c = GetParam();
    AttachRadio(c.kind);
    radioEnd->intercept = [&c](int write) -> std::vector<TimedBytes> {
        if (write == c.writeIndex) {
            return {{5, c.reply}};
        }
        return {};
    };
    const ModelSnapshot before(data);

    EXPECT_EQ(RunJob(SessionMode::Data, c.read), SessionOutcome::CommunicationFalse);

    ASSERT_GT(line.Writes().size(), static_cast<size_t>(c.writeIndex));
    EXPECT_EQ(line.Writes().size(), static_cast<size_t>(c.writeIndex) + 1) << "nothing after it";
    ASSERT_EQ(Messages(), std::vector{SessionMessage::CommunicationFalse});
    EXPECT_LT(host.messages[0].timeMs - line.Writes()[static_cast<size_t>(c.writeIndex)].timeMs,
              100);
    EXPECT_FALSE(radio->SawEndByte());
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(ModelSnapshot(data), before);
}

// Session writes: current radios 0 handshake, 1 and 2 the password area, then the job's
// blocks (a data write reads 9 calibration blocks first, so its first write is 12); legacy
// radios 0 handshake, 1 identify, 2 confirm, then read and ACK in turns.
INSTANTIATE_TEST_SUITE_P(
    Stages, BadReplyTest,
    ::testing::Values(
        BadReplyCase{"HandshakeAnsweredWithAnotherByte", RadioKind::S, true, 0, {'X'}},
        BadReplyCase{"PasswordAreaReplyNotStartingWithW", RadioKind::S, true, 1,
                     std::vector<uint8_t>(20, 'R')},
        BadReplyCase{"SecondPasswordBlockNotStartingWithW", RadioKind::Y, true, 2,
                     std::vector<uint8_t>(20, 0x00)},
        BadReplyCase{"BlockWriteNotAcknowledged", RadioKind::S, false, 12, {0x15}},
        BadReplyCase{"LegacyIdentificationDiffers", RadioKind::Legacy, true, 1,
                     Bytes("K70416\xF8\xFF")},
        BadReplyCase{"LegacyConfirmNotAck", RadioKind::Legacy, true, 2, {0x15}},
        BadReplyCase{"LegacyBlockNotStartingWithW", RadioKind::Legacy, true, 3,
                     std::vector<uint8_t>(20, 'X')},
        BadReplyCase{"LegacyBlockAckNotAck", RadioKind::Legacy, true, 4, {0x15}},
        BadReplyCase{"LegacyBlockWriteNotAcknowledged", RadioKind::Legacy, false, 3, {'N'}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct SplitReplyCase {
    const char* name;
    RadioKind kind;
    int writeIndex;
    uint16_t address;  // of the read that write asks for
    size_t firstPart;  // bytes of the reply in the first part
};

class SplitReplyTest : public SessionTest, public ::testing::WithParamInterface<SplitReplyCase> {};

// A reply that arrives in pieces over several polls is waited for and then taken whole.
TEST_P(SplitReplyTest, IsWaitedForAndTakenWhole) {
    const SplitReplyCase& c = GetParam();
    RadioSimulator& r = AttachRadio(c.kind);
    const std::vector<uint8_t> reply = DataReply(r, c.address);
    radioEnd->intercept = [&](int write) -> std::vector<TimedBytes> {
        if (write != c.writeIndex) {
            return {};
        }
        const auto cut = reply.begin() + static_cast<long>(c.firstPart);
        return {{5, {reply.begin(), cut}}, {400, {cut, reply.end()}}};
    };

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    EXPECT_EQ(line.CountWrites(kPort1, protocol::ReadRequest(c.address, 16)), 1);
    EXPECT_TRUE(radio->SawEndByte());
}

INSTANTIATE_TEST_SUITE_P(
    Stages, SplitReplyTest,
    ::testing::Values(SplitReplyCase{"PasswordArea", RadioKind::S, 1, 0x4040, 1},
                      SplitReplyCase{"SettingsBlock", RadioKind::Y, 3, 0x4000, 19},
                      SplitReplyCase{"LegacyBlock", RadioKind::Legacy, 3, 0x0010, 4}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Each request is answered by a random choice of: the true answer, random bytes, a valid
// looking reply for another address, a lone ACK, nothing, or a flood, after a random delay.
TEST_F(SessionTest, RandomRepliesAtRandomTimesAlwaysEndCleanly) {
    const std::pair<SessionMode, int> jobs[] = {{SessionMode::Data, 1},
                                                {SessionMode::Data, 0},
                                                {SessionMode::Calibration, 1},
                                                {SessionMode::Calibration, 0},
                                                {SessionMode::ChipStatus, 1},
                                                {SessionMode::NewPassword, 0},
                                                {SessionMode::CalibrationAndData, 0}};
    std::map<SessionOutcome, int> outcomes;
    for (uint32_t seed = 1; seed <= 140; ++seed) {
        SCOPED_TRACE(seed);
        AppData fresh;
        data.image = fresh.image;
        data.calibration = fresh.calibration;
        std::mt19937 random(seed);
        SimulatorConfig config;
        config.kind = static_cast<RadioKind>(seed % 3);
        RadioSimulator truth(config);
        int64_t truthTime = 0;
        ScriptedEnd end([&](std::span<const uint8_t> request) {
            std::vector<ScriptedEnd::Reply> replies;
            const int delay = static_cast<int>(random() % 1500);
            truth.Receive(request, truthTime);
            truthTime += 2000;
            std::vector<uint8_t> honest = truth.TakeReplies(truthTime);
            std::vector<uint8_t> bytes;
            switch (random() % 8) {
                case 0:
                case 1:
                case 2:
                    bytes = honest;
                    break;
                case 3:
                    bytes.resize(random() % 40);
                    for (uint8_t& b : bytes) {
                        b = static_cast<uint8_t>(random());
                    }
                    break;
                case 4:
                    bytes = {'W', static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                             static_cast<uint8_t>(random() % 40)};
                    bytes.resize(20, static_cast<uint8_t>(random()));
                    break;
                case 5:
                    bytes = {protocol::kAck};
                    break;
                case 6:
                    break;
                case 7:
                    bytes.assign(200 + random() % 200, static_cast<uint8_t>(random()));
                    break;
            }
            if (!bytes.empty()) {
                replies.push_back({delay, bytes});
            }
            return replies;
        });
        line = SimulatedLine([this] { return host.Now(); });
        line.AddDevice(kPort1, &end);
        line.AddDevice(kPort2, nullptr);
        UsePorts({kPort2, kPort1}, seed % 2 == 0, 2);
        if (seed % 5 == 0) {
            end.Inject(host.Now() + 600 + random() % 3000,
                       std::vector<uint8_t>(random() % 300, 'W'));
        }
        const auto& job = jobs[seed % std::size(jobs)];
        const ModelSnapshot before(data);

        Start(job.first, job.second != 0);
        host.RunUntilEnded(host.Now() + kLongEnoughMs);

        const SessionOutcome outcome = session->Outcome();
        ++outcomes[outcome];
        ASSERT_NE(outcome, SessionOutcome::Running);
        EXPECT_FALSE(line.IsOpen());
        EXPECT_FALSE(host.AnyTimerRunning());
        if (outcome != SessionOutcome::Success) {
            EXPECT_EQ(ModelSnapshot(data), before);
        }
    }
    // The mix is wide enough to reach more than one ending.
    EXPECT_GE(outcomes.size(), 3u);
}

}  // namespace
}  // namespace radioprog::testing
