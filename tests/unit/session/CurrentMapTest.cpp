#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <vector>

#include "MemoryMapTestSupport.h"
#include "model/FreqCodec.h"
#include "session/MemoryMapConversion.h"
#include "session/PasswordBlock.h"

namespace radioprog {
namespace {

constexpr LastWriteTime kNow{2024, 5, 6, 7, 8};
constexpr BandLimits kWideBand{136000000, 520000000};

std::span<const uint8_t> Record(const RadioMemory& memory, int n) {
    return std::span(memory.bytes)
        .subspan(radiomap::ChannelOffset(n), radiomap::kChannelRecordSize);
}

std::vector<uint8_t> Bytes(std::span<const uint8_t> span, size_t offset, size_t count) {
    const auto part = span.subspan(offset, count);
    return {part.begin(), part.end()};
}

// One used channel 1 on an otherwise new image.
ProjectImage ImageWithChannel(uint32_t rxHz, uint32_t txHz) {
    ProjectImage image;
    image.ResetToDefaults();
    image.SetChannelValid(1, true);
    image.Channel(1).InitialiseNew(rxHz);
    image.Channel(1).SetTxFreq(txHz);
    return image;
}

struct FreqCase {
    uint32_t hz;
    bool variantY;
    std::array<uint8_t, 3> bytes;
};

class CurrentMapFrequency : public ::testing::TestWithParam<FreqCase> {};

TEST_P(CurrentMapFrequency, StoredInRadioUnitsAndReadBack) {
    const auto& p = GetParam();
    auto memory = std::make_unique<RadioMemory>();
    GetDataForWrite(ImageWithChannel(p.hz, p.hz), kWideBand, {}, p.variantY, kNow, *memory);
    const std::vector<uint8_t> expected(p.bytes.begin(), p.bytes.end());
    EXPECT_EQ(Bytes(Record(*memory, 1), 0, 3), expected);
    EXPECT_EQ(Bytes(Record(*memory, 1), 3, 3), expected);

    ProjectImage read;
    BandLimits band;
    LastWriteTime time;
    SetDataToSoftware(*memory, p.variantY, read, band, time);
    ASSERT_TRUE(read.IsChannelValid(1));
    EXPECT_EQ(read.Channel(1).RxFreq(), p.hz);
    EXPECT_EQ(read.Channel(1).TxFreq(), p.hz);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CurrentMapFrequency,
    ::testing::Values(FreqCase{438000000, false, {0x6A, 0xEF, 0x00}},
                      FreqCase{438000000, true, {0x35, 0x77, 0x80}},
                      FreqCase{438006250, false, {0x6A, 0xEF, 0x64}},   // 7008100
                      FreqCase{438006250, true, {0x35, 0x77, 0xB2}}));  // 3504050

TEST(CurrentMap, ToneTypesClassesAndFlagsHaveTheirBits) {
    for (const bool variantY : {false, true}) {
        ProjectImage image = ImageWithChannel(455000000, 455000000);
        ChannelRecord ch = image.Channel(1);
        ch.SetRxTone(kToneCtcss, 885);
        ch.SetTxTone(kToneDcsInverted, 0x2813);
        ch.SetHighPower(true);
        ch.SetWide(false);
        ch.SetBusyFit(3);
        ch.SetSquelchMode(4);  // not in the map: must not leak into the flags byte
        ch.SetDtmf(true);
        auto memory = std::make_unique<RadioMemory>();
        GetDataForWrite(image, kWideBand, {}, variantY, kNow, *memory);
        const auto record = Record(*memory, 1);

        const std::vector<uint8_t> tone885 = variantY
                                                 ? std::vector<uint8_t>{0x03, 0x75, 0x16, 0xA7}
                                                 : std::vector<uint8_t>{0x03, 0x75, 0x22, 0x92};
        EXPECT_EQ(Bytes(record, 6, 4), tone885) << variantY;
        // D023I: W0 0x1B, W1 0xF1C8 on both variants.
        EXPECT_EQ(Bytes(record, 10, 4), (std::vector<uint8_t>{0x00, 0x1B, 0xF1, 0xC8}));
        const uint8_t freqClass = variantY ? 1 : 2;
        EXPECT_EQ(record[14], 1 | (3 << 2) | (freqClass << 4) | (freqClass << 6)) << variantY;
        EXPECT_EQ(record[15], 0x20 | (3 << 2)) << variantY;
    }
}

TEST(CurrentMap, PowerFollowsTheTransmitFrequencyTuningAndSquelchTheReceive) {
    CalibrationTables tables;
    tables.PointTable[0] = {400, 60, 20, 100};
    tables.PointTable[1] = {417, 80, 37, 117};
    tables.PointTable[2] = {480, 143, 100, 180};
    for (int i = 0; i < kSegmentCount; ++i) {
        tables.SegmentTableWide[i] = static_cast<int8_t>(i + 1);
        tables.SegmentTableNarrow[i] = static_cast<int8_t>(-i - 1);
    }
    struct Case {
        bool highPower, wide;
        uint8_t power, squelch;
    };
    // Receive 425 MHz: tuning 117 + 63 x 8 / 63, segment 2. Transmit 450 MHz: power
    // 80 + 63 x 33 / 63 high, 37 + 63 x 33 / 63 low.
    const Case cases[] = {{true, true, 113, 3}, {false, false, 70, 0xFD}};
    for (const Case& c : cases) {
        ProjectImage image = ImageWithChannel(425000000, 450000000);
        image.Channel(1).SetHighPower(c.highPower);
        image.Channel(1).SetWide(c.wide);
        // The class bits belong to their own frequency: receive 455 MHz (class 2 on
        // variant S) against a transmit frequency of class 0, and the other way round.
        image.SetChannelValid(2, true);
        image.Channel(2).InitialiseNew(455000000);
        image.Channel(2).SetTxFreq(446000000);
        image.SetChannelValid(3, true);
        image.Channel(3).InitialiseNew(446000000);
        image.Channel(3).SetTxFreq(455000000);
        auto memory = std::make_unique<RadioMemory>();
        GetDataForWrite(image, BandLimits{400000000, 480000000}, tables, false, kNow, *memory);
        EXPECT_EQ(Bytes(Record(*memory, 1), 16, 3), (std::vector<uint8_t>{c.power, 125, c.squelch}))
            << c.highPower;
        EXPECT_EQ(Record(*memory, 2)[14], 2 << 4);
        EXPECT_EQ(Record(*memory, 3)[14], 2 << 6);
    }
}

TEST(CurrentMap, SettingsAreaPasswordAndEmptyChannels) {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n : {1, 2, 16}) {
        image.SetChannelValid(n, true);
        image.Channel(n).InitialiseNew(446000000);  // scan add set
    }
    image.SetChannelValid(2, false);  // its scan flag must not reach the bitmap
    image.Set(settings::Tot, uint16_t{600});
    image.Set(settings::SavingRate, uint8_t{4});
    image.Set(settings::VoxDelay, uint16_t{2500});
    image.Set(settings::Vox, uint8_t{6});
    image.Set(settings::Key1Short, uint8_t{25});
    image.Set(settings::AlarmCode, uint16_t{6300});
    image.Set(settings::Alarm, uint8_t{1});
    image.SetText(image::NewPassword, "hunter2");
    auto memory = std::make_unique<RadioMemory>();
    GetDataForWrite(image, BandLimits{400000000, 480000000}, {}, false, kNow, *memory);
    const std::span<const uint8_t> m(memory->bytes);

    EXPECT_EQ(Bytes(m, 0, 6), (std::vector<uint8_t>{0x07, 0xE8, 5, 6, 7, 8}));
    EXPECT_EQ(Bytes(m, 6, 2), (std::vector<uint8_t>{0x02, 0x58}));   // Tot 600
    EXPECT_EQ(m[8], 5);                                              // Toa
    EXPECT_EQ(m[9], 1);                                              // Beep
    EXPECT_EQ(m[10], 1);                                             // Saving
    EXPECT_EQ(Bytes(m, 11, 2), (std::vector<uint8_t>{0x03, 0x20}));  // 4 x 200
    EXPECT_EQ(m[13], 5);                                             // Sql
    EXPECT_EQ(m[14], 1);                                             // Voice
    EXPECT_EQ(Bytes(m, 15, 2), (std::vector<uint8_t>{0x80, 0x01}));  // channels 16 and 1
    EXPECT_EQ(m[17], 0);
    EXPECT_EQ(m[18], 6);
    EXPECT_EQ(Bytes(m, 19, 2), (std::vector<uint8_t>{0x09, 0xC4}));
    EXPECT_EQ(m[21], 0);
    EXPECT_EQ(m[22], 10);
    EXPECT_EQ(m[23], 25);
    EXPECT_EQ(m[24], 3);
    EXPECT_EQ(Bytes(m, 25, 8),
              (std::vector<uint8_t>{0x17, 0xD7, 0x84, 0x00, 0x1C, 0x9C, 0x38, 0x00}));
    EXPECT_EQ(Bytes(m, 33, 3), (std::vector<uint8_t>{0x18, 0x9C, 1}));
    EXPECT_TRUE(std::ranges::all_of(m.subspan(36, 0x40 - 36), [](uint8_t b) { return b == 0; }));

    const auto block = m.subspan<radiomap::kPasswordOffset, kPasswordBlockSize>();
    EXPECT_EQ(block[0], 7);
    EXPECT_TRUE(CheckPasswordBlock(block, "hunter2"));
    EXPECT_FALSE(CheckPasswordBlock(block, "hunter3"));

    EXPECT_TRUE(std::ranges::all_of(Record(*memory, 2), [](uint8_t b) { return b == 0; }));
    EXPECT_NE(Record(*memory, 16)[0], 0);
}

// Clears every field the current map carries, so that a read must bring each one back.
void ClobberCarriedFields(ProjectImage& image) {
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            image.SetChannelValid(n, true);  // a read must clear it again
            continue;
        }
        ChannelRecord ch = image.Channel(n);
        ch.SetRxFreq(0);
        ch.SetTxFreq(0);
        ch.SetRxTone(0, 0x1234);
        ch.SetTxTone(0, 0x1234);
        ch.SetHighPower(!ch.HighPower());
        ch.SetWide(!ch.Wide());
        ch.SetScanAdd(!ch.ScanAdd());
        ch.SetBusyFit(static_cast<uint8_t>(ch.BusyFit() ^ 1));
    }
    for (U8Field f : {settings::Toa, settings::Beep, settings::Saving, settings::SavingRate,
                      settings::Sql, settings::Voice, settings::Vox, settings::Key1Short,
                      settings::Key2Short, settings::Alarm}) {
        image.Set(f, static_cast<uint8_t>(image.Get(f) + 1));
    }
    for (U16Field f : {settings::Tot, settings::VoxDelay, settings::AlarmCode}) {
        image.Set(f, static_cast<uint16_t>(image.Get(f) + 1));
    }
}

TEST(CurrentMap, RoundTripCarriesEveryMappedFieldAndNothingElse) {
    for (const bool variantY : {false, true}) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            const ProjectImage original = testing::RandomImage(random, 125);
            auto memory = std::make_unique<RadioMemory>();
            GetDataForWrite(original, kWideBand, {}, variantY, kNow, *memory);

            ProjectImage read = original;
            ClobberCarriedFields(read);
            BandLimits band{1, 2};
            LastWriteTime time{};
            SetDataToSoftware(*memory, variantY, read, band, time);

            for (size_t i = 0; i < kProjectImageSize; ++i) {
                ASSERT_EQ(read.Raw()[i], original.Raw()[i])
                    << "offset " << i << " seed " << seed << " Y " << variantY;
            }
            EXPECT_EQ(band, kWideBand);
            EXPECT_EQ(time, kNow);
        }
    }
}

TEST(CurrentMap, BandFromTheRadioOutsideTheUsableRangesFallsBack) {
    struct Case {
        BandLimits radio, expected;
    };
    const Case cases[] = {
        {{100000000, 480000000}, {400000000, 480000000}},
        {{136000000, 174000000}, {136000000, 174000000}},
        {{200000000, 260000000}, {200000000, 260000000}},
        {{180000000, 250000000}, {400000000, 480000000}},
        {{400000000, 530000000}, {400000000, 480000000}},
        {{0xFFFFFFFF, 0xFFFFFFFF}, {400000000, 480000000}},
        {{480000000, 400000000}, {400000000, 480000000}},  // reversed
    };
    for (const Case& c : cases) {
        auto memory = std::make_unique<RadioMemory>();
        WriteU32BE(memory->bytes, settingsarea::kBandLower, c.radio.lower);
        WriteU32BE(memory->bytes, settingsarea::kBandUpper, c.radio.upper);
        ProjectImage image;
        BandLimits band;
        LastWriteTime time;
        SetDataToSoftware(*memory, false, image, band, time);
        EXPECT_EQ(band, c.expected) << c.radio.lower << "-" << c.radio.upper;
    }
}

TEST(CurrentMap, EmptyRecordsKeepTheirChannelContents) {
    std::mt19937 random(77);
    ProjectImage original = testing::RandomImage(random, 125);
    auto memory = std::make_unique<RadioMemory>();
    std::fill_n(memory->bytes.begin() + radiomap::kChannelOffset, 16 * 19, uint8_t{0xFF});
    memory->bytes[radiomap::ChannelOffset(3)] = 0x00;  // zero also marks an empty record

    ProjectImage read = original;
    BandLimits band;
    LastWriteTime time;
    SetDataToSoftware(*memory, true, read, band, time);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_FALSE(read.IsChannelValid(n));
        EXPECT_TRUE(std::ranges::equal(read.Channel(n).Bytes(), original.Channel(n).Bytes()));
    }
}

TEST(CurrentMap, RandomMemoryReadsSafely) {
    std::mt19937 random(99);
    for (int round = 0; round < 200; ++round) {
        auto memory = std::make_unique<RadioMemory>();
        for (auto& b : memory->bytes) {
            b = static_cast<uint8_t>(random());
        }
        ProjectImage image;
        BandLimits band;
        LastWriteTime time;
        SetDataToSoftware(*memory, round % 2 == 1, image, band, time);
        EXPECT_TRUE(IsBandEdgeValid(band.lower, band.upper));
        for (int n = 1; n <= kChannelCount; ++n) {
            const uint8_t first = Record(*memory, n)[0];
            EXPECT_EQ(image.IsChannelValid(n), first != 0 && first != 0xFF);
            EXPECT_LE(image.Channel(n).RxToneType(), 3);
        }
        // Recomputing the calibration bytes of random records stays inside the buffer.
        ReAnalyseChInfor({}, band, false, *memory);
    }
}

CalibrationTables SomeTables(uint8_t base) {
    CalibrationTables t;
    t.PointTable[0] = {136, base, static_cast<uint8_t>(base + 1), static_cast<uint8_t>(base + 2)};
    t.PointTable[1] = {520, static_cast<uint8_t>(base + 100), static_cast<uint8_t>(base + 50),
                       static_cast<uint8_t>(base + 30)};
    for (int i = 0; i < kSegmentCount; ++i) {
        t.SegmentTableWide[i] = static_cast<int8_t>(base + i);
        t.SegmentTableNarrow[i] = static_cast<int8_t>(-base - i);
    }
    return t;
}

TEST(CurrentMap, ReAnalyseChangesOnlyTheCalibrationBytesOfUsedChannels) {
    std::mt19937 random(5);
    const ProjectImage image = testing::RandomImage(random, 125);
    const CalibrationTables before = SomeTables(10);
    const CalibrationTables after = SomeTables(40);
    for (const bool variantY : {false, true}) {
        auto written = std::make_unique<RadioMemory>();
        GetDataForWrite(image, kWideBand, before, variantY, kNow, *written);
        // An empty record with garbage after its first byte must stay as it is.
        const size_t empty = radiomap::ChannelOffset(1);
        if (!image.IsChannelValid(1)) {
            std::fill_n(written->bytes.begin() + empty + 1, 18, uint8_t{0x5A});
        }
        auto expected = std::make_unique<RadioMemory>();
        GetDataForWrite(image, kWideBand, after, variantY, kNow, *expected);
        if (!image.IsChannelValid(1)) {
            std::fill_n(expected->bytes.begin() + empty + 1, 18, uint8_t{0x5A});
        }
        // The password block is random; take it from the first buffer.
        std::copy_n(written->bytes.begin() + radiomap::kPasswordOffset, kPasswordBlockSize,
                    expected->bytes.begin() + radiomap::kPasswordOffset);

        ReAnalyseChInfor(after, kWideBand, variantY, *written);
        EXPECT_TRUE(written->bytes == expected->bytes) << variantY;
    }
}

}  // namespace
}  // namespace radioprog
