// The session's timing rules on virtual time: repeats, the silence limit, auto search.

#include <algorithm>

#include "SessionFixture.h"

namespace radioprog::testing {
namespace {

using protocol::kHandshake;

TEST_F(SessionTest, SilentRadioOnFixedPortGetsFiveOrSixHandshakesThenFailsAfterFiveSeconds) {
    line.AddDevice(kPort1, nullptr);
    UsePorts({kPort1}, false);
    const ModelSnapshot before(data);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);

    const std::vector<int64_t> handshakes = line.WriteTimes(kPort1, kHandshake);
    ASSERT_GE(handshakes.size(), 5u);
    EXPECT_LE(handshakes.size(), 6u);
    for (size_t i = 1; i < handshakes.size(); ++i) {
        EXPECT_EQ(handshakes[i] - handshakes[i - 1], 1000);
    }
    ASSERT_EQ(Messages(), std::vector{SessionMessage::CommunicationFalse});
    EXPECT_EQ(host.messages[0].timeMs - handshakes.front(), 5000);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(host.AnyTimerRunning());
    EXPECT_EQ(ModelSnapshot(data), before);
}

TEST_F(SessionTest, AutoSearchOverThreeSilentPortsSendsTwoThreeThreeHandshakes) {
    for (const std::string& path : {kPort1, kPort2, kPort3}) {
        line.AddDevice(path, nullptr);
    }
    UsePorts({kPort1, kPort2, kPort3}, true);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);

    const auto first = line.WriteTimes(kPort1, kHandshake);
    const auto second = line.WriteTimes(kPort2, kHandshake);
    const auto third = line.WriteTimes(kPort3, kHandshake);
    EXPECT_EQ(first.size(), 2u);
    EXPECT_EQ(second.size(), 3u);
    ASSERT_EQ(third.size(), 3u);
    for (const auto* times : {&first, &second, &third}) {
        for (size_t i = 1; i < times->size(); ++i) {
            EXPECT_EQ((*times)[i] - (*times)[i - 1], 1000);
        }
    }
    ASSERT_EQ(Messages(), std::vector{SessionMessage::CommunicationFalse});
    EXPECT_EQ(host.messages[0].timeMs, third.back() + 1000);
    EXPECT_FALSE(line.IsOpen());
}

// Whatever a device sent before it was opened, or while the line settled, is not a reply.
ScriptedEnd::Script Silent() {
    return [](std::span<const uint8_t>) { return std::vector<ScriptedEnd::Reply>{}; };
}

TEST_F(SessionTest, OpenedPortSettlesForHalfASecondAndDropsWhatArrivedMeanwhile) {
    ScriptedEnd device(Silent());
    device.Inject(300, {'S'});  // would pass for a radio's answer to the handshake
    line.AddDevice(kPort1, &device);
    UsePorts({kPort1}, false);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);

    const std::vector<int64_t> handshakes = line.WriteTimes(kPort1, kHandshake);
    ASSERT_FALSE(handshakes.empty());
    EXPECT_EQ(handshakes.front(), kPortSettleMs);
    EXPECT_EQ(line.Writes().size(), handshakes.size()) << "the stray byte was taken as a reply";
}

TEST_F(SessionTest, AutoSearchSwitchDropsWhatTheNextPortHeldAndWaitsFiftyMilliseconds) {
    ScriptedEnd second(Silent());
    second.Inject(1200, {'S'});  // pending on the second port before the switch reaches it
    line.AddDevice(kPort1, nullptr);
    line.AddDevice(kPort2, &second);
    UsePorts({kPort1, kPort2}, true);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::CommunicationFalse);

    const auto first = line.WriteTimes(kPort1, kHandshake);
    const auto next = line.WriteTimes(kPort2, kHandshake);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(next.size(), 3u);
    EXPECT_EQ(next.front() - first.back(), 1000 + kAutoSearchSettleMs);
    EXPECT_EQ(line.Writes().size(), first.size() + next.size())
        << "the stray byte was taken as a reply";
}

struct UnusablePortCase {
    const char* name;
    bool autoSearch;
    bool present;
    bool broken;
};

class UnusablePortTest : public SessionTest,
                         public ::testing::WithParamInterface<UnusablePortCase> {};

TEST_P(UnusablePortTest, FailsAtOnceWithoutSendingAnything) {
    const UnusablePortCase& c = GetParam();
    if (c.broken) {
        line.AddBrokenDevice(kPort1);
    } else if (c.present) {
        line.AddDevice(kPort1, nullptr);
    }
    UsePorts(c.present || c.broken ? std::vector{kPort1} : std::vector<std::string>{},
             c.autoSearch);

    Start(SessionMode::Data, true);

    EXPECT_EQ(session->Outcome(), SessionOutcome::CommunicationFalse);
    EXPECT_EQ(host.Now(), 0);
    EXPECT_TRUE(line.Writes().empty());
    EXPECT_EQ(Messages(), std::vector{SessionMessage::CommunicationFalse});
    EXPECT_FALSE(host.AnyTimerRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Ports, UnusablePortTest,
    ::testing::Values(UnusablePortCase{"AutoSearchNoPortPresent", true, false, false},
                      UnusablePortCase{"AutoSearchOnlyPortHeldElsewhere", true, false, true},
                      UnusablePortCase{"FixedPortWithoutDevice", false, false, false},
                      UnusablePortCase{"FixedPortHeldElsewhere", false, false, true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SessionTest, AutoSearchSkipsAPortThatAnswersWronglyAndReadsTheRadioBehindTheNext) {
    ScriptedEnd stranger([](std::span<const uint8_t>) {
        return std::vector<ScriptedEnd::Reply>{{5, {'X'}}};
    });
    AttachRadio(RadioKind::S);
    line.AddDevice(kPort1, &stranger);
    line.AddBrokenDevice(kPort2);
    line.AddDevice(kPort3, radioEnd.get());
    UsePorts({kPort1, kPort2, kPort3}, true);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);
    EXPECT_EQ(line.CountWrites(kPort1, kHandshake), 1);
    EXPECT_EQ(line.CountWrites(kPort3, kHandshake), 1);
    EXPECT_TRUE(radio->SawEndByte());
}

struct PollCase {
    int replyDelayMs;
    int afterHandshakeMs;   // from the handshake to the first password-area request
    int betweenRequestsMs;  // from one reply-driven request to the next
};

class ReceivePollTest : public SessionTest, public ::testing::WithParamInterface<PollCase> {};

// A request sent by the start or the tick is first polled for 10 ms later, then every 3 ms.
// A request sent because a reply was accepted leaves from inside a poll, which goes on at
// 3 ms. Each reply is taken at the first poll after it arrived and the next request leaves
// at once, so the spacing of the requests shows every interval.
TEST_P(ReceivePollTest, TakesEachReplyAtTheFirstPollAfterItArrived) {
    const PollCase& c = GetParam();
    AttachRadio(RadioKind::S);
    radioEnd->replyDelay = [&c](uint8_t) { return c.replyDelayMs; };

    ASSERT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    const std::vector<WrittenBytes>& writes = line.Writes();
    ASSERT_EQ(writes.size(), 1u + 2u + 22u + 1u);
    EXPECT_EQ(writes[1].timeMs - writes[0].timeMs, c.afterHandshakeMs);
    for (size_t i = 2; i < writes.size(); ++i) {
        EXPECT_EQ(writes[i].timeMs - writes[i - 1].timeMs, c.betweenRequestsMs) << "request " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Delays, ReceivePollTest,
                         ::testing::Values(PollCase{0, 10, 3}, PollCase{5, 10, 6},
                                           PollCase{11, 13, 12}, PollCase{51, 52, 51},
                                           PollCase{200, 202, 201}));

// Reads the radio with every block reply held back by delayMs.
class SlowBlockReplyTest : public SessionTest, public ::testing::WithParamInterface<int> {};

TEST_P(SlowBlockReplyTest, ReadCompletesWithCorrectDataAndRepeatsOnlyAfterOneSecond) {
    const int delayMs = GetParam();
    AttachRadio(RadioKind::S);
    radioEnd->replyDelay = [delayMs](uint8_t first) {
        return first == protocol::kReadCommand ? delayMs : 0;
    };

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    std::map<uint16_t, int> asked;
    for (const ReceivedRequest& r : radio->Requests()) {
        if (r.kind == RequestKind::Read) {
            ++asked[r.address];
        }
    }
    ASSERT_EQ(asked.size(), 2u + 3u + 19u);
    const int expected = delayMs < 1000 ? 1 : 2;
    for (const auto& [address, count] : asked) {
        EXPECT_EQ(count, expected) << std::hex << address;
    }
    // No late reply was taken for the next block.
    const auto memory = radio->Memory();
    EXPECT_TRUE(std::equal(memory.begin() + 0x4000, memory.begin() + 0x4030,
                           data.radioMemory.bytes.begin()));
    EXPECT_TRUE(std::equal(memory.begin() + 0x8080, memory.begin() + 0x81B0,
                           data.radioMemory.bytes.begin() + 0x4080));
}

INSTANTIATE_TEST_SUITE_P(Delays, SlowBlockReplyTest, ::testing::Values(900, 1100));

}  // namespace
}  // namespace radioprog::testing
