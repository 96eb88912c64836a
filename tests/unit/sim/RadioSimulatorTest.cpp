#include "RadioSimulator.h"

#include <gtest/gtest.h>

#include <random>

#include "session/PasswordBlock.h"
#include "support/BlockMessages.h"

namespace radioprog {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::BlockMessage;
using testing::ReadRequest;

Bytes Text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
Bytes Handshake() {
    return Text("PROGRAM");
}
Bytes WriteRequest(uint16_t address, const Bytes& data) {
    return BlockMessage(address, data);
}
Bytes DataReply(const RadioSimulator& radio, uint16_t address, uint8_t length = 16) {
    return BlockMessage(address, radio.Memory().subspan(address, length));
}

// Sends request at nowMs and collects everything the radio has to say by then.
Bytes Exchange(RadioSimulator& radio, const Bytes& request, int64_t nowMs) {
    radio.Receive(request, nowMs);
    return radio.TakeReplies(nowMs);
}

SimulatorConfig Kind(RadioKind kind) {
    SimulatorConfig config;
    config.kind = kind;
    return config;
}

TEST(RadioSimulator, CurrentRadiosAnswerEveryMessageByteForByte) {
    for (RadioKind kind : {RadioKind::S, RadioKind::Y}) {
        SCOPED_TRACE(kind == RadioKind::S ? "S" : "Y");
        SimulatorConfig config = Kind(kind);
        config.status = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        RadioSimulator radio(config);
        int64_t t = 0;

        EXPECT_EQ(Exchange(radio, Handshake(), t),
                  Bytes{uint8_t(kind == RadioKind::S ? 'S' : 'Y')});
        for (uint16_t address :
             {0x4040, 0x4050, 0x4000, 0x4010, 0x4020, 0x8080, 0x81A0, 0x81B0, 0x8230}) {
            EXPECT_EQ(Exchange(radio, ReadRequest(address), t += 10), DataReply(radio, address))
                << std::hex << address;
        }
        const Bytes block = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA, 0xB, 0xC, 0xD, 0xE, 0xF};
        EXPECT_EQ(Exchange(radio, WriteRequest(0x8080, block), t += 10), Bytes{0x06});
        Bytes expected = {'W', 0x80, 0x80, 0x10};
        expected.insert(expected.end(), block.begin(), block.end());
        EXPECT_EQ(Exchange(radio, ReadRequest(0x8080), t += 10), expected);
        EXPECT_EQ(Exchange(radio, Text("YR"), t += 10),
                  (Bytes{'Y', 'S', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        EXPECT_EQ(Exchange(radio, Text("E"), t += 10), Bytes{});
        EXPECT_TRUE(radio.SawEndByte());
    }
}

TEST(RadioSimulator, LegacyRadioIdentifiesAndAcknowledgesEveryBlock) {
    RadioSimulator radio(Kind(RadioKind::Legacy));
    int64_t t = 0;
    EXPECT_EQ(Exchange(radio, Handshake(), t), Bytes{0x06});
    EXPECT_EQ(Exchange(radio, {0x02}, t += 10), (Bytes{'K', '7', '0', '4', '1', '5', 0xF8, 0xFF}));
    EXPECT_EQ(Exchange(radio, {0x06}, t += 10), Bytes{0x06});
    for (uint16_t address = 0x0010; address < 0x0200; address += 16) {
        EXPECT_EQ(Exchange(radio, ReadRequest(address), t += 10), DataReply(radio, address));
        EXPECT_EQ(Exchange(radio, {0x06}, t += 10), Bytes{0x06});
    }
    const Bytes block(16, 0x5A);
    EXPECT_EQ(Exchange(radio, WriteRequest(0x01F0, block), t += 10), Bytes{0x06});
    EXPECT_TRUE(std::equal(block.begin(), block.end(), radio.Memory().begin() + 0x01F0));
    EXPECT_EQ(Exchange(radio, Text("YR"), t += 10), Bytes{}) << "a legacy radio has no RF query";
    // Its 'R' is left as the start of a block request, dropped after the silence.
    EXPECT_EQ(Exchange(radio, Text("E"), t += 200), Bytes{});
    EXPECT_EQ(radio.EndByteCount(), 1);
}

TEST(RadioSimulator, LegacyRadioWantsTheIdentificationStepsInOrder) {
    RadioSimulator radio(Kind(RadioKind::Legacy));
    EXPECT_EQ(Exchange(radio, Handshake(), 0), Bytes{0x06});
    EXPECT_EQ(Exchange(radio, ReadRequest(0x0010), 10), Bytes{}) << "blocks before identifying";
    EXPECT_EQ(Exchange(radio, {0x06}, 20), Bytes{}) << "confirm before identify";
    EXPECT_EQ(Exchange(radio, {0x02}, 30).size(), 8u);
}

TEST(RadioSimulator, ServesBlocksOnlyAfterAHandshakeAndUntilTheEndByte) {
    RadioSimulator radio(Kind(RadioKind::S));
    EXPECT_EQ(Exchange(radio, ReadRequest(0x4000), 0), Bytes{});
    EXPECT_EQ(Exchange(radio, Handshake(), 200), Bytes{'S'});
    EXPECT_EQ(Exchange(radio, ReadRequest(0x4000), 210).size(), 20u);
    Exchange(radio, Text("E"), 220);
    EXPECT_EQ(Exchange(radio, ReadRequest(0x4000), 230), Bytes{});
    // A new session starts with a handshake, also in the middle of an old one.
    EXPECT_EQ(Exchange(radio, Handshake(), 400), Bytes{'S'});
    EXPECT_EQ(Exchange(radio, Handshake(), 410), Bytes{'S'});
}

TEST(RadioSimulator, HoldsThePasswordBlockOfItsPassword) {
    SimulatorConfig config = Kind(RadioKind::Y);
    config.password = "7319";
    RadioSimulator radio(config);
    Exchange(radio, Handshake(), 0);
    Bytes reply = Exchange(radio, ReadRequest(kPasswordBlockAddress), 10);
    ASSERT_EQ(reply.size(), 20u);
    std::span<const uint8_t, kPasswordBlockSize> block(reply.data() + 4, kPasswordBlockSize);
    EXPECT_EQ(block[0], 4);
    EXPECT_TRUE(CheckPasswordBlock(block, "7319"));
    EXPECT_FALSE(CheckPasswordBlock(block, "7318"));
    EXPECT_FALSE(CheckPasswordBlock(block, ""));

    radio.SetPassword("");
    EXPECT_EQ(radio.Memory()[kPasswordBlockAddress], 0xFF);
}

TEST(RadioSimulator, RecordsEveryRequestDecodedWithItsTime) {
    RadioSimulator radio(Kind(RadioKind::S));
    radio.Receive(Handshake(), 5);
    radio.Receive(ReadRequest(0x4010), 40);
    radio.Receive(WriteRequest(0x8093, {1, 2, 3}), 70);
    radio.Receive(Text("E"), 90);
    const auto& requests = radio.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].kind, RequestKind::Handshake);
    EXPECT_EQ(requests[1].kind, RequestKind::Read);
    EXPECT_EQ(requests[1].address, 0x4010);
    EXPECT_EQ(requests[1].length, 16);
    EXPECT_EQ(requests[1].timeMs, 40);
    EXPECT_EQ(requests[2].kind, RequestKind::Write);
    EXPECT_EQ(requests[2].address, 0x8093);
    EXPECT_EQ(requests[2].data, (Bytes{1, 2, 3}));
    EXPECT_EQ(requests[3].kind, RequestKind::End);
    EXPECT_TRUE(requests[1].answered);
}

TEST(RadioSimulator, AssemblesRequestsSplitAcrossWritesButDropsStaleHalves) {
    RadioSimulator radio(Kind(RadioKind::S));
    Exchange(radio, Handshake(), 0);
    const Bytes request = ReadRequest(0x4000);
    radio.Receive({request.data(), 2}, 100);
    EXPECT_EQ(Exchange(radio, {request.begin() + 2, request.end()}, 199).size(), 20u);

    radio.Receive({request.data(), 2}, 300);
    // 100 ms of silence: the half request is gone, the rest is not a request on its own.
    EXPECT_EQ(Exchange(radio, {request.begin() + 2, request.end()}, 400), Bytes{});
    EXPECT_EQ(Exchange(radio, request, 410).size(), 20u);
    EXPECT_GE(radio.DiscardedByteCount(), 4u);
}

TEST(RadioSimulator, RepliesBecomeDueAfterDelayAndLineTime) {
    SimulatorConfig config = Kind(RadioKind::S);
    config.replyDelayMs = 900;
    RadioSimulator radio(config);
    radio.Receive(Handshake(), 1000);
    EXPECT_EQ(radio.NextReplyTime(), 1900);
    EXPECT_EQ(radio.TakeReplies(1899), Bytes{});
    EXPECT_EQ(radio.TakeReplies(1900), Bytes{'S'});
    EXPECT_EQ(radio.NextReplyTime(), std::nullopt);

    config.replyDelayMs = 0;
    config.pace = true;
    RadioSimulator paced(config);
    paced.Receive(Handshake(), 0);  // 7 + 1 bytes of 10 bits at 9600 baud: 8.3 ms
    EXPECT_EQ(paced.NextReplyTime(), 9);
    paced.TakeReplies(9);
    paced.Receive(ReadRequest(0x4000), 100);  // 4 + 20 bytes: 25 ms
    EXPECT_EQ(paced.NextReplyTime(), 125);
}

TEST(RadioSimulator, OnlyTheFirstReplyIsLateAndWhatWaitedFollowsItOneByOne) {
    SimulatorConfig config = Kind(RadioKind::S);
    config.firstReplyDelayMs = 1100;
    RadioSimulator radio(config);
    radio.Receive(Handshake(), 0);
    radio.Receive(Handshake(), 1000);  // the tool's repeat, while the radio still sleeps
    EXPECT_EQ(radio.TakeReplies(1099), Bytes{});
    EXPECT_EQ(radio.TakeReplies(1100), Bytes{'S'});
    radio.Receive(ReadRequest(0x4040), 1101);
    // The repeat's answer, then the block: separately, at line speed.
    EXPECT_EQ(radio.TakeReplies(1108), Bytes{});
    EXPECT_EQ(radio.TakeReplies(1109), Bytes{'S'});
    EXPECT_EQ(radio.NextReplyTime(), 1109 + 25);
    EXPECT_EQ(radio.TakeReplies(1134), DataReply(radio, 0x4040));
    // Once the queue has drained, answers are prompt again.
    EXPECT_EQ(Exchange(radio, ReadRequest(0x4050), 1200), DataReply(radio, 0x4050));
}

TEST(RadioSimulator, FaultsShapeTheReplies) {
    struct Case {
        const char* name;
        SimulatorFaults faults;
        Bytes handshakeReply;
        size_t readReplySize;
    };
    auto faults = [](auto change) {
        SimulatorFaults f;
        change(f);
        return f;
    };
    const std::vector<Case> cases = {
        {"silent", faults([](auto& f) { f.silent = true; }), {}, 0},
        {"first byte", faults([](auto& f) { f.firstByte = 0x41; }), {0x41}, 20},
        {"dropped byte", faults([](auto& f) { f.dropByte = 5; }), {'S'}, 19},
        {"extra byte", faults([](auto& f) { f.extraByte = 0; }), {0x00, 'S'}, 21},
        {"silent after one", faults([](auto& f) { f.silentAfter = 1; }), {'S'}, 0},
        {"faults from the second request",
         faults([](auto& f) {
             f.dropByte = 0;
             f.faultsFromRequest = 1;
         }),
         {'S'},
         19},
    };
    // Without the request log (as radiosim runs) the faults count requests all the same.
    for (bool logged : {true, false}) {
        for (const Case& c : cases) {
            SimulatorConfig config = Kind(RadioKind::S);
            config.faults = c.faults;
            config.logRequests = logged;
            RadioSimulator radio(config);
            EXPECT_EQ(Exchange(radio, Handshake(), 0), c.handshakeReply) << c.name;
            EXPECT_EQ(Exchange(radio, ReadRequest(0x4000), 10).size(), c.readReplySize) << c.name;
            EXPECT_EQ(radio.Requests().size(), logged ? 2u : 0u) << c.name;
        }
    }
}

// A dropped block is acknowledged like any other; only the memory shows it was lost.
TEST(RadioSimulator, DroppedWritesAreAcknowledgedButNotStored) {
    const Bytes block(16, 0x5A);
    SimulatorConfig config = Kind(RadioKind::S);
    config.faults.dropWrites = {0x401F, 0x0003};
    RadioSimulator radio(config);
    const Bytes fresh(radio.Memory().begin(), radio.Memory().end());
    int64_t t = 0;
    Exchange(radio, Handshake(), t);
    for (uint16_t address : {0x4010, 0x4020, 0xFFF8}) {
        EXPECT_EQ(Exchange(radio, WriteRequest(address, block), t += 10), Bytes{0x06});
    }
    EXPECT_EQ(Exchange(radio, ReadRequest(0x4010), t += 10), DataReply(radio, 0x4010));
    const auto& requests = radio.Requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_FALSE(requests[1].stored) << "the block's last byte is the address";
    EXPECT_TRUE(requests[2].stored) << "the next block is not";
    EXPECT_FALSE(requests[3].stored) << "a block wrapping round the top covers 0x0003";
    EXPECT_TRUE(std::equal(fresh.begin() + 0x4010, fresh.begin() + 0x4020,
                           radio.Memory().begin() + 0x4010));
    EXPECT_EQ(radio.Memory()[0x4020], 0x5A);
    EXPECT_EQ(radio.Memory()[0xFFF8], fresh[0xFFF8]);

    // Legacy radios name their blocks by buffer offset; the fault works on those addresses.
    config = Kind(RadioKind::Legacy);
    config.faults.dropWrites = {0x0010};
    RadioSimulator legacy(config);
    Exchange(legacy, Handshake(), 0);
    Exchange(legacy, {0x02}, 10);
    Exchange(legacy, {0x06}, 20);
    EXPECT_EQ(Exchange(legacy, WriteRequest(0x0010, block), 30), Bytes{0x06});
    EXPECT_EQ(Exchange(legacy, WriteRequest(0x0020, block), 40), Bytes{0x06});
    EXPECT_NE(legacy.Memory()[0x0010], 0x5A);
    EXPECT_EQ(legacy.Memory()[0x0020], 0x5A);
}

TEST(RadioSimulator, BlocksNearTheTopOfMemoryWrapAround) {
    RadioSimulator radio(Kind(RadioKind::S));
    Exchange(radio, Handshake(), 0);
    const Bytes block(16, 0xA5);
    EXPECT_EQ(Exchange(radio, WriteRequest(0xFFF8, block), 10), Bytes{0x06});
    EXPECT_EQ(radio.Memory()[0xFFFF], 0xA5);
    EXPECT_EQ(radio.Memory()[0x0007], 0xA5);
    EXPECT_EQ(Exchange(radio, ReadRequest(0xFFF8, 0xFF), 20).size(), 0xFFu + 4);
}

TEST(RadioSimulator, FreshRadiosHoldASensibleMemory) {
    for (RadioKind kind : {RadioKind::S, RadioKind::Y}) {
        const Bytes memory = DefaultRadioMemory(kind);
        ASSERT_EQ(memory.size(), kRadioAddressSpace);
        auto u32 = [&](size_t at) {
            return uint32_t{memory[at]} << 24 | memory[at + 1] << 16 | memory[at + 2] << 8 |
                   memory[at + 3];
        };
        EXPECT_EQ(u32(0x4000 + 25), 400000000u);
        EXPECT_EQ(u32(0x4000 + 29), 480000000u);
        const uint32_t units =
            uint32_t{memory[0x8080 + 19]} << 16 | memory[0x8080 + 20] << 8 | memory[0x8080 + 21];
        EXPECT_EQ(units, kind == RadioKind::S ? 438500000u * 2 / 125 : 438500000u / 125);
        for (int n = 5; n <= 16; ++n) {
            const uint8_t first = memory[0x8080 + 19 * (n - 1)];
            EXPECT_TRUE(first == 0x00 || first == 0xFF) << "channel " << n << " is unused";
        }
    }
    const Bytes legacy = DefaultRadioMemory(RadioKind::Legacy);
    EXPECT_EQ(legacy[16 * 2 + 3], 0x43);  // channel 2: 438.50000 MHz, top BCD digits
    EXPECT_EQ(legacy[16 * 5 + 3], 0xFF);  // channel 5 unused
}

// Whatever arrives on the line, the radio keeps running and answers the next handshake.
TEST(RadioSimulator, SurvivesRandomBytesAndStillAnswersAHandshake) {
    for (RadioKind kind : {RadioKind::S, RadioKind::Y, RadioKind::Legacy}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            RadioSimulator radio(Kind(kind));
            int64_t t = 0;
            std::uniform_int_distribution<int> byte(0, 255), chunk(1, 64), gap(0, 150);
            // Bias towards bytes that start requests, so the parser gets deep into them.
            const Bytes starters = {'P', 'R', 'W', 'E', 'Y', 0x02, 0x06};
            for (int round = 0; round < 300; ++round) {
                Bytes bytes(static_cast<size_t>(chunk(random)));
                for (auto& b : bytes) {
                    b = static_cast<uint8_t>(byte(random));
                    if (b < 40) {
                        b = starters[b % starters.size()];
                    }
                }
                radio.Receive(bytes, t += gap(random));
                radio.TakeReplies(t);
            }
            t += 1000;  // everything pending is due, any half request is stale
            radio.TakeReplies(t);
            const Bytes expected = {kind == RadioKind::S   ? uint8_t{'S'}
                                    : kind == RadioKind::Y ? uint8_t{'Y'}
                                                           : uint8_t{0x06}};
            EXPECT_EQ(Exchange(radio, Handshake(), t + kPartialRequestTimeoutMs), expected)
                << "seed " << seed;
        }
    }
}

}  // namespace
}  // namespace radioprog
