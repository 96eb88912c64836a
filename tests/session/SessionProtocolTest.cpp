// Whole jobs against the simulated radio: what goes on the line, in which order, and what
// the data model and the radio hold afterwards.

#include "SessionFixture.h"
#include "calibration/CalibrationData.h"
#include "session/PasswordBlock.h"

namespace radioprog::testing {
namespace {

using Requests = std::vector<std::pair<RequestKind, uint16_t>>;

void AppendBlocks(Requests& out, RequestKind kind, uint16_t first, int count) {
    for (int i = 0; i < count; ++i) {
        out.emplace_back(kind, static_cast<uint16_t>(first + 16 * i));
    }
}

Requests CurrentOpening() {
    return {{RequestKind::Handshake, 0}, {RequestKind::Read, 0x4040}, {RequestKind::Read, 0x4050}};
}

// A few channels that exercise frequencies, both tone kinds and the flags.
void FillChannels(AppData& data) {
    ResetProjectToDefaults(data);
    data.band = {400000000, 480000000};
    struct Ch {
        int n;
        uint32_t rx, tx;
        uint8_t rxType;
        uint16_t rxCode;
        uint8_t txType;
        uint16_t txCode;
        bool wide, high;
    };
    const Ch channels[] = {
        {1, 438000000, 438000000, 0, 0, 0, 0, true, true},
        {2, 438006250, 431006250, 1, 885, 1, 1000, false, true},
        {5, 455000000, 455000000, 2, 0x2800 + 023, 3, 0x2800 + 0754, true, false},
        {16, 479995000, 400000000, 0, 0, 1, 2541, false, false}};
    for (const Ch& c : channels) {
        ChannelRecord r = data.image.Channel(c.n);
        r.InitialiseNew(c.rx);
        r.SetTxFreq(c.tx);
        r.SetRxTone(c.rxType, c.rxCode);
        r.SetTxTone(c.txType, c.txCode);
        r.SetWide(c.wide);
        r.SetHighPower(c.high);
        data.image.SetChannelValid(c.n, true);
    }
}

TEST_F(SessionTest, OrdinaryWriteSendsNineReadsAndTwentyTwoWritesThenTheEndByte) {
    AttachRadio(RadioKind::S);
    FillChannels(data);

    EXPECT_EQ(RunJob(SessionMode::Data, false), SessionOutcome::Success);

    Requests expected = CurrentOpening();
    AppendBlocks(expected, RequestKind::Read, 0x81B0, 9);
    AppendBlocks(expected, RequestKind::Write, 0x4000, 3);
    AppendBlocks(expected, RequestKind::Write, 0x8080, 19);
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
    EXPECT_EQ(host.maxProgress, 100);
}

TEST_F(SessionTest, WriteWithNewPasswordAlsoWritesThePasswordBlockLast) {
    AttachRadio(RadioKind::S);
    FillChannels(data);
    data.image.SetText(image::NewPassword, "7788");
    data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});

    EXPECT_EQ(RunJob(SessionMode::Data, false), SessionOutcome::Success);

    const Requests requests = RadioRequests();
    ASSERT_EQ(requests.size(), 3u + 9u + 22u + 1u + 1u);
    EXPECT_EQ(requests[requests.size() - 2], std::pair(RequestKind::Write, uint16_t{0x4040}));
    EXPECT_EQ(requests.back().first, RequestKind::End);
    const auto block = radio->Memory().subspan<0x4040, kPasswordBlockSize>();
    EXPECT_TRUE(CheckPasswordBlock(block, "7788"));
    EXPECT_FALSE(CheckPasswordBlock(block, "7789"));
}

TEST_F(SessionTest, NewPasswordJobWritesOnlyThePasswordBlockAndLocksTheRadio) {
    AttachRadio(RadioKind::S);
    data.image.SetText(image::NewPassword, "4321");

    EXPECT_EQ(RunJob(SessionMode::NewPassword, false), SessionOutcome::Success);
    Requests expected = CurrentOpening();
    expected.emplace_back(RequestKind::Write, 0x4040);
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::PasswordError);
    data.image.SetText(image::UnlockPassword, "4321");
    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);
}

class RoundTripTest : public SessionTest, public ::testing::WithParamInterface<RadioKind> {};

TEST_P(RoundTripTest, WriteThenReadGivesBackTheSameChannelsAndBand) {
    AttachRadio(GetParam());
    FillChannels(data);
    data.band = {430000000, 470000000};
    const ProjectImage written = data.image;

    ASSERT_EQ(RunJob(SessionMode::Data, false), SessionOutcome::Success);
    EXPECT_EQ(session->VariantY(), GetParam() == RadioKind::Y);
    EXPECT_EQ(session->LegacyRadio(), GetParam() == RadioKind::Legacy);
    // The radio now holds the programming time the write gave it; a legacy radio keeps none.
    const LastWriteTime stamped =
        GetParam() == RadioKind::Legacy ? LastWriteTime{} : LastWriteTime{2024, 5, 6, 7, 8};
    EXPECT_EQ(data.lastWriteTime, stamped);
    ResetProjectToDefaults(data);
    data.band = {136000000, 174000000};
    ASSERT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    for (int n = 1; n <= kChannelCount; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(data.image.IsChannelValid(n), written.IsChannelValid(n));
        if (!written.IsChannelValid(n)) {
            continue;
        }
        const ChannelRecord got = data.image.Channel(n);
        ProjectImage copy = written;
        const ChannelRecord want = copy.Channel(n);
        EXPECT_EQ(got.RxFreq(), want.RxFreq());
        EXPECT_EQ(got.TxFreq(), want.TxFreq());
        EXPECT_EQ(got.RxToneType(), want.RxToneType());
        EXPECT_EQ(got.RxToneCode(), want.RxToneCode());
        EXPECT_EQ(got.TxToneType(), want.TxToneType());
        EXPECT_EQ(got.TxToneCode(), want.TxToneCode());
    }
    if (GetParam() == RadioKind::Legacy) {
        EXPECT_EQ(data.band, (BandLimits{136000000, 174000000}));  // not held by legacy radios
        EXPECT_EQ(data.lastWriteTime, LastWriteTime{});
    } else {
        EXPECT_EQ(data.band, (BandLimits{430000000, 470000000}));
        EXPECT_EQ(data.lastWriteTime, (LastWriteTime{2024, 5, 6, 7, 8}));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RoundTripTest,
                         ::testing::Values(RadioKind::S, RadioKind::Y, RadioKind::Legacy));

struct ProgressCase {
    const char* name;
    RadioKind kind;
    SessionMode mode;
    bool read;
    std::vector<int> opening;  // the bar's positions before the job's blocks
};

class ProgressTest : public SessionTest, public ::testing::WithParamInterface<ProgressCase> {};

// The bar: 0 at the start, 1 after the handshake (2 after a legacy confirm), then steps of
// ten as the job's bytes go by, 100 at the finish, and back to 0 as the window closes, before
// the result message.
TEST_P(ProgressTest, MovesThroughTheJobAndIsFullAtTheFinish) {
    const ProgressCase& c = GetParam();
    AttachRadio(c.kind);
    std::vector<int> atMessage;
    host.onMessage = [&](SessionMessage) { atMessage = host.progressTrace; };

    ASSERT_EQ(RunJob(c.mode, c.read), SessionOutcome::Success);

    const std::vector<int>& trace = atMessage;
    ASSERT_GT(trace.size(), c.opening.size() + 2);
    EXPECT_EQ(std::vector<int>(trace.begin(), trace.begin() + static_cast<long>(c.opening.size())),
              c.opening);
    EXPECT_EQ(trace[trace.size() - 2], 100);
    EXPECT_EQ(trace.back(), 0);
    int tens = 0;
    for (size_t i = c.opening.size(); i + 2 < trace.size(); ++i) {
        EXPECT_EQ(trace[i], std::min(trace[i - 1] + 10, 100)) << "position " << i;
        ++tens;
    }
    // Each job's step is about a tenth of its bytes: the bar moves nine or ten times.
    EXPECT_GE(tens, 9);
    EXPECT_LE(tens, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, ProgressTest,
    ::testing::Values(
        ProgressCase{"Read", RadioKind::S, SessionMode::Data, true, {0, 1}},
        ProgressCase{"Write", RadioKind::Y, SessionMode::Data, false, {0, 1}},
        ProgressCase{"LegacyRead", RadioKind::Legacy, SessionMode::Data, true, {0, 1, 2}},
        ProgressCase{"LegacyWrite", RadioKind::Legacy, SessionMode::Data, false, {0, 1, 2}},
        ProgressCase{"CalibrationRead", RadioKind::S, SessionMode::Calibration, true, {0, 1}},
        ProgressCase{"CalibrationWrite", RadioKind::S, SessionMode::Calibration, false, {0, 1}},
        ProgressCase{
            "CalibrationAndData", RadioKind::S, SessionMode::CalibrationAndData, false, {0, 1}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SessionTest, LegacyReadRunsThirtyOneRoundsOfReadAndAcknowledge) {
    AttachRadio(RadioKind::Legacy);

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    Requests expected = {
        {RequestKind::Handshake, 0}, {RequestKind::LegacyIdentify, 0}, {RequestKind::Ack, 0}};
    for (int i = 0; i < 31; ++i) {
        expected.emplace_back(RequestKind::Read, static_cast<uint16_t>(0x10 + 16 * i));
        expected.emplace_back(RequestKind::Ack, 0);
    }
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);
    EXPECT_EQ(host.mainRefreshCount, 1);
}

class LegacyOtherJobTest : public SessionTest,
                           public ::testing::WithParamInterface<std::pair<SessionMode, bool>> {};

TEST_P(LegacyOtherJobTest, EndsWithOldVersionAfterTheHandshake) {
    AttachRadio(RadioKind::Legacy);
    const ModelSnapshot before(data);

    EXPECT_EQ(RunJob(GetParam().first, GetParam().second), SessionOutcome::OldVersion);

    EXPECT_EQ(RadioRequests(), (Requests{{RequestKind::Handshake, 0}}));
    EXPECT_EQ(Messages(), std::vector{SessionMessage::OldVersion});
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(host.AnyTimerRunning());
    EXPECT_EQ(ModelSnapshot(data), before);
}

INSTANTIATE_TEST_SUITE_P(Jobs, LegacyOtherJobTest,
                         ::testing::Values(std::pair{SessionMode::Calibration, true},
                                           std::pair{SessionMode::Calibration, false},
                                           std::pair{SessionMode::CalibrationAndData, false},
                                           std::pair{SessionMode::NewPassword, false}));

TEST_F(SessionTest, ReadConvertsOnlyAfterTheSuccessMessageIsDismissed) {
    AttachRadio(RadioKind::S);
    const ModelSnapshot before(data);
    bool checkedDuringMessage = false;
    host.onMessage = [&](SessionMessage) {
        EXPECT_EQ(ModelSnapshot(data), before);
        EXPECT_EQ(host.mainRefreshCount, 0);
        EXPECT_FALSE(line.IsOpen());
        checkedDuringMessage = true;
    };

    EXPECT_EQ(RunJob(SessionMode::Data, true), SessionOutcome::Success);

    EXPECT_TRUE(checkedDuringMessage);
    EXPECT_FALSE(ModelSnapshot(data) == before);
    EXPECT_EQ(host.mainRefreshCount, 1);
}

TEST_F(SessionTest, CalibrationWriteRederivesTheChannelBytesFromTheNewRecord) {
    RadioSimulator& r = AttachRadio(RadioKind::S);
    ResetCalibrationData(data.calibration, data.band);
    for (int i = 0; i < kCalibrationPointCount; ++i) {
        data.calibration.SetPoint(i, {static_cast<uint16_t>(400 + 20 * i), 77, 0, 11, 33, 0});
    }
    for (int row = 0; row < kSquelchOffsetCount; ++row) {
        data.calibration.SetSqOffset(row, 5);
        data.calibration.SetSqOffsetNar(row, 6);
    }
    const std::vector<uint8_t> before(r.Memory().begin(), r.Memory().end());

    EXPECT_EQ(RunJob(SessionMode::Calibration, false), SessionOutcome::Success);

    Requests expected = CurrentOpening();
    AppendBlocks(expected, RequestKind::Write, 0x81B0, 9);
    AppendBlocks(expected, RequestKind::Read, 0x8080, 19);
    AppendBlocks(expected, RequestKind::Write, 0x8080, 19);
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);

    const auto memory = r.Memory();
    EXPECT_TRUE(std::equal(data.calibrationImage.bytes.begin(),
                           data.calibrationImage.bytes.begin() + 139, memory.begin() + 0x81B0));
    int used = 0;
    int changed = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        const size_t at = 0x8080 + 19 * static_cast<size_t>(n - 1);
        if (memory[at] == 0x00 || memory[at] == 0xFF) {
            continue;
        }
        ++used;
        SCOPED_TRACE(n);
        EXPECT_TRUE(std::equal(memory.begin() + at, memory.begin() + at + 16, before.begin() + at));
        const bool high = memory[at + 15] & 0x20;
        const bool wide = memory[at + 15] & 0x10;
        EXPECT_EQ(memory[at + 16], high ? 77 : 11);
        EXPECT_EQ(memory[at + 17], 33);
        EXPECT_EQ(memory[at + 18], wide ? 5 : 6);
        changed += !std::equal(memory.begin() + at + 16, memory.begin() + at + 19,
                               before.begin() + at + 16);
    }
    EXPECT_GT(used, 0);
    EXPECT_GT(changed, 0);
}

// Calibration written and read back, then the ordinary write's blocks.
Requests CalibrationAndDataRequests() {
    Requests expected = CurrentOpening();
    AppendBlocks(expected, RequestKind::Write, 0x81B0, 9);
    AppendBlocks(expected, RequestKind::Read, 0x81B0, 9);
    AppendBlocks(expected, RequestKind::Write, 0x4000, 3);
    AppendBlocks(expected, RequestKind::Write, 0x8080, 19);
    return expected;
}

TEST_F(SessionTest, CalibrationAndDataWriteEndsLikeTheOrdinaryWrite) {
    AttachRadio(RadioKind::S);
    FillChannels(data);
    ResetCalibrationData(data.calibration, data.band);

    EXPECT_EQ(RunJob(SessionMode::CalibrationAndData, false), SessionOutcome::Success);

    Requests expected = CalibrationAndDataRequests();
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);
    EXPECT_EQ(Messages(), std::vector{SessionMessage::Success});
}

TEST_F(SessionTest, CalibrationAndDataWriteWithNewPasswordEndsWithThePasswordBlock) {
    AttachRadio(RadioKind::S);
    FillChannels(data);
    ResetCalibrationData(data.calibration, data.band);
    data.image.SetText(image::NewPassword, "5566");
    data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});

    EXPECT_EQ(RunJob(SessionMode::CalibrationAndData, false), SessionOutcome::Success);

    Requests expected = CalibrationAndDataRequests();
    AppendBlocks(expected, RequestKind::Write, 0x4040, 1);
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);
    const auto block = radio->Memory().subspan<0x4040, kPasswordBlockSize>();
    EXPECT_TRUE(CheckPasswordBlock(block, "5566"));
    EXPECT_FALSE(CheckPasswordBlock(block, "5567"));
}

TEST_F(SessionTest, CalibrationReadFillsTheRecordAfterTheMessage) {
    RadioSimulator& r = AttachRadio(RadioKind::Y);

    EXPECT_EQ(RunJob(SessionMode::Calibration, true), SessionOutcome::Success);

    Requests expected = CurrentOpening();
    AppendBlocks(expected, RequestKind::Read, 0x81B0, 9);
    expected.emplace_back(RequestKind::End, 0);
    EXPECT_EQ(RadioRequests(), expected);
    EXPECT_EQ(data.calibration.Point(0).Freq, (r.Memory()[0x81B0] << 8) | r.Memory()[0x81B1]);
    EXPECT_EQ(data.calibration.Point(1).PowerH, r.Memory()[0x81B0 + 7]);
    EXPECT_EQ(host.calibrationRefreshCount, 1);
}

struct PasswordCase {
    const char* name;
    // Bytes stored at 0x4040 in the radio; empty: the radio's own block for radioPassword.
    std::vector<uint8_t> rawBlock;
    const char* radioPassword;
    const char* entered;
    SessionOutcome outcome;
};

std::vector<uint8_t> BlockWithBadChecksum(std::string_view password) {
    PasswordBlock block = BuildPasswordBlock(password);
    block[15] = static_cast<uint8_t>(block[15] + 1);
    return {block.begin(), block.end()};
}

class PasswordTest : public SessionTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordTest, OpensTheRadioOnlyWithTheRightPassword) {
    const PasswordCase& c = GetParam();
    RadioSimulator& r = AttachRadio(RadioKind::S, c.radioPassword);
    if (!c.rawBlock.empty()) {
        std::copy(c.rawBlock.begin(), c.rawBlock.end(), r.Memory().begin() + 0x4040);
    }
    data.image.SetText(image::UnlockPassword, c.entered);
    const ModelSnapshot before(data);

    EXPECT_EQ(RunJob(SessionMode::Data, true), c.outcome);

    if (c.outcome == SessionOutcome::PasswordError) {
        EXPECT_EQ(RadioRequests(), CurrentOpening());  // no data block asked for
        EXPECT_FALSE(r.SawEndByte());
        EXPECT_EQ(Messages(), std::vector{SessionMessage::PasswordError});
        EXPECT_EQ(ModelSnapshot(data), before);
    } else {
        EXPECT_TRUE(r.SawEndByte());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, PasswordTest,
    ::testing::Values(
        PasswordCase{"NoPasswordNothingEntered", {}, "", "", SessionOutcome::Success},
        PasswordCase{"NoPasswordSomethingEntered", {}, "", "1234", SessionOutcome::Success},
        PasswordCase{"LengthZero", std::vector<uint8_t>(16, 0x00), "", "99",
                     SessionOutcome::Success},
        PasswordCase{"LengthFF", std::vector<uint8_t>(16, 0xFF), "", "99", SessionOutcome::Success},
        PasswordCase{"Right", {}, "secret", "secret", SessionOutcome::Success},
        PasswordCase{"WrongSameLength", {}, "secret", "secreT", SessionOutcome::PasswordError},
        PasswordCase{"WrongLength", {}, "secret", "secre", SessionOutcome::PasswordError},
        PasswordCase{
            "NothingEnteredForProtectedRadio", {}, "secret", "", SessionOutcome::PasswordError},
        PasswordCase{"BadChecksumSameLength", BlockWithBadChecksum("abcd"), "", "wxyz",
                     SessionOutcome::Success},
        PasswordCase{"BadChecksumOtherLength", BlockWithBadChecksum("abcd"), "", "abc",
                     SessionOutcome::PasswordError}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace radioprog::testing
