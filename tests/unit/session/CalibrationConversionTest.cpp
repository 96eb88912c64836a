#include "session/CalibrationConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace radioprog {
namespace {

std::vector<uint8_t> Bytes(std::span<const uint8_t> span, size_t offset, size_t count) {
    const auto part = span.subspan(offset, count);
    return {part.begin(), part.end()};
}

CalibrationData Defaults() {
    CalibrationData c;
    ResetCalibrationData(c, BandLimits{400000000, 480000000});
    return c;
}

TEST(GetAdjustmentData, DefaultThresholdsGiveTheSquelchAndVoxTables) {
    CalibrationData c = Defaults();
    CalibrationImage image;
    CalibrationTables tables;
    GetAdjustmentData(c, false, image, tables);
    using V = std::array<uint8_t, kLevelCount>;
    EXPECT_EQ(tables.SquelchOpenTable, (V{0, 11, 14, 18, 21, 25, 26, 27, 28, 30}));
    EXPECT_EQ(tables.SquelchCloseTable, (V{0, 9, 12, 16, 19, 23, 24, 25, 26, 28}));
    EXPECT_EQ(tables.VoxLevelTable, (V{0, 200, 180, 160, 140, 120, 100, 80, 60, 40}));
    EXPECT_TRUE(std::ranges::equal(Bytes(image.bytes, 25, 10), tables.SquelchOpenTable));
    EXPECT_TRUE(std::ranges::equal(Bytes(image.bytes, 35, 10), tables.SquelchCloseTable));
    EXPECT_TRUE(std::ranges::equal(Bytes(image.bytes, 45, 10), tables.VoxLevelTable));

    // A rising VOX pair and reversed squelch levels fill from the smaller end.
    c.Set(calib::VOX_L1, uint8_t{10});
    c.Set(calib::VOX_L9, uint8_t{90});
    c.Set(calib::SQL_L1, uint8_t{100});  // open entry 1 = 37, above entry 5 = 25
    GetAdjustmentData(c, false, image, tables);
    EXPECT_EQ(tables.VoxLevelTable, (V{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(tables.SquelchOpenTable, (V{0, 37, 28, 31, 34, 25, 26, 27, 28, 30}));
}

TEST(GetAdjustmentData, BlockBytesOfTheDefaults) {
    for (const bool variantY : {false, true}) {
        CalibrationData c = Defaults();
        c.SetVol1846(0, 7);
        c.SetVol1846(3, 33);
        CalibrationImage image;
        image.bytes.fill(0xAA);  // bytes the conversion does not write keep this
        CalibrationTables tables;
        GetAdjustmentData(c, variantY, image, tables);
        const std::span<const uint8_t> b(image.bytes);

        EXPECT_EQ(Bytes(b, 0, 15), (std::vector<uint8_t>{0x01, 0x90, 63, 0, 0, 0x01, 0xB8, 63, 0, 0,
                                                         0x01, 0xE0, 63, 0, 0}));
        EXPECT_EQ(Bytes(b, 15, 10), std::vector<uint8_t>(10, 0));
        EXPECT_EQ(tables.PointTable[1], (PointTableEntry{440, 63, 0, 0}));
        EXPECT_EQ(b[55], 214);
        EXPECT_EQ(b[66], 214);
        EXPECT_EQ(b[67], 0xAA);
        if (variantY) {
            EXPECT_EQ(Bytes(b, 68, 6), (std::vector<uint8_t>{50, 0xAA, 65, 0xAA, 53, 0xAA}));
        } else {
            EXPECT_EQ(Bytes(b, 68, 6), (std::vector<uint8_t>{0, 50, 0, 65, 0, 53}));
        }
        EXPECT_EQ(Bytes(b, 74, 3), (std::vector<uint8_t>{14, 13, 0}));
        EXPECT_EQ(Bytes(b, 77, 4), (std::vector<uint8_t>{0, 20, 9, 0}));  // MicGainFine, MicGain
        EXPECT_EQ(Bytes(b, 81, 4), (std::vector<uint8_t>{0x1D, 0x38, 0xAA, 0xAA}));  // 58
        EXPECT_EQ(Bytes(b, 85, 2), (std::vector<uint8_t>{0x1F, 0xBD}));              // 63
        EXPECT_EQ(Bytes(b, 87, 2), (std::vector<uint8_t>{0x0C, 0x98}));  // 25, low part 24
        EXPECT_EQ(Bytes(b, 89, 2), (std::vector<uint8_t>{0x10, 0x1E}));  // 32
        EXPECT_EQ(Bytes(b, 91, 4), (std::vector<uint8_t>{0x04, 0x00, 0x00, 0x20}));
        EXPECT_EQ(b[95 + 8], 10);
        EXPECT_EQ(tables.SegmentTableWide[8], 10);
        EXPECT_EQ(Bytes(b, 119, 2), (std::vector<uint8_t>{0x1D, 0x38}));
        EXPECT_EQ(Bytes(b, 121, 2), (std::vector<uint8_t>{0x05, 0x00}));  // Pga 20 x 64
        EXPECT_EQ(b[123], 1);
        EXPECT_EQ(b[124], 0);
        EXPECT_EQ(b[127], 33);
        EXPECT_EQ(c.Vol1846(0), 0);  // forced in the record too
        EXPECT_EQ(Bytes(b, 134, 2), (std::vector<uint8_t>{0x1F, 0xBD}));
        const std::vector<uint8_t> aging = variantY ? std::vector<uint8_t>{0x39, 0x5F, 0x80}
                                                    : std::vector<uint8_t>{0x72, 0xBF, 0x00};
        EXPECT_EQ(Bytes(b, 136, 3), aging);
        EXPECT_EQ(Bytes(b, 139, 5), std::vector<uint8_t>(5, 0xAA));
    }
}

// A record whose carried fields hold values the block can represent exactly.
CalibrationData RepresentableRecord(std::mt19937& random, bool variantY) {
    CalibrationData c;
    for (auto& b : c.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    auto byte = [&](int lo, int hi) { return static_cast<uint8_t>(lo + random() % (hi - lo + 1)); };
    for (U8Field f : {calib::Noise_th, calib::Noise_th_nar, calib::Pkdet_th, calib::Pkdet_th_nar,
                      calib::Rssi3_th, calib::Noise2_th}) {
        c.Set(f, byte(1, 127));
    }
    c.Set(calib::MicGain, byte(0, 15));
    c.Set(calib::Modu_dten, byte(0, 1));
    c.Set(calib::Pkdet_dten, byte(0, 1));
    for (U16Field f : {calib::PinPian_W, calib::PinPian_W_Spe_1, calib::PinPian_W_Spe_2}) {
        c.Set(f, static_cast<uint16_t>(random() % (variantY ? 256 : 1024)));
    }
    c.Set(calib::FreqAging, static_cast<uint32_t>(100000000 + 125 * (random() % 4000000)));
    c.SetVol1846(0, 0);
    return c;
}

void CopyCarriedFields(const CalibrationData& from, CalibrationData& to) {
    for (int i = 0; i < kCalibrationPointCount; ++i) {
        CalibrationPoint p = to.Point(i);
        const CalibrationPoint q = from.Point(i);
        p.Freq = q.Freq;
        p.PowerH = q.PowerH;
        p.PowerL = q.PowerL;
        p.Tune = q.Tune;
        to.SetPoint(i, p);
    }
    for (int i = 0; i < kSegmentCount; ++i) {
        to.SetSqOffset(i, from.SqOffset(i));
        to.SetSqOffsetNar(i, from.SqOffsetNar(i));
    }
    for (int i = 0; i < kBattTblCount; ++i) {
        to.SetBattTbl(i, from.BattTbl(i));
        to.SetVol1846(i, from.Vol1846(i));
    }
    using namespace calib;
    for (U8Field f : {SQL_L1,     SQL_L4,       SQL_L9,       VOX_L1,   VOX_L9,       Batt_L0_Wait,
                      Batt_L0_Tx, CtcPinPian_W, DcsPinPian_W, Xtal_PP,  MicGainFine,  MicGain,
                      Pga,        Noise_th,     Noise_th_nar, Pkdet_th, Pkdet_th_nar, Rssi3_th,
                      Noise2_th,  Modu_dten,    Pkdet_dten,   Xtal1846}) {
        to.Set(f, from.Get(f));
    }
    for (U16Field f : {PinPian_W, PinPian_W_Spe_1, PinPian_W_Spe_2}) {
        to.Set(f, from.Get(f));
    }
    to.Set(FreqAging, from.Get(FreqAging));
}

TEST(CalibrationBlock, RoundTripCarriesTheBlockFieldsAndKeepsTheOthers) {
    for (const bool variantY : {false, true}) {
        for (unsigned seed = 1; seed <= 50; ++seed) {
            std::mt19937 random(seed);
            CalibrationData source = RepresentableRecord(random, variantY);
            CalibrationImage image;
            CalibrationTables tables;
            GetAdjustmentData(source, variantY, image, tables);

            auto memory = std::make_unique<RadioMemory>();
            std::ranges::copy(image.bytes, memory->bytes.begin());
            CalibrationData read;
            for (auto& b : read.Raw()) {
                b = static_cast<uint8_t>(random());
            }
            CalibrationData expected = read;
            CopyCarriedFields(source, expected);
            SetAdjustmentData(*memory, variantY, read);
            for (size_t i = 0; i < kCalibrationDataSize; ++i) {
                ASSERT_EQ(read.Raw()[i], expected.Raw()[i])
                    << "offset " << i << " seed " << seed << " Y " << variantY;
            }

            // The same block read back during a data write gives the same tables.
            auto writeBuffer = std::make_unique<RadioMemory>();
            std::ranges::copy(image.bytes,
                              writeBuffer->bytes.begin() + radiomap::kCalibrationOffset);
            CalibrationTables analysed;
            AnalyseTmpAdjustmentData(*writeBuffer, analysed);
            EXPECT_EQ(analysed.PointTable, tables.PointTable);
            EXPECT_EQ(analysed.SegmentTableWide, tables.SegmentTableWide);
            EXPECT_EQ(analysed.SegmentTableNarrow, tables.SegmentTableNarrow);
        }
    }
}

TEST(Set1846StatucData, StatusWordsGiveTheFlags) {
    struct Case {
        std::array<uint8_t, 11> status;
        std::array<uint8_t, 6> flags;  // Modu_cmp, Rssi_cmp1, Noise_cmp1, Noise_cmp2,
                                       // Rssi_cmp3, Pkdet_cmp
    };
    const Case cases[] = {
        {{120, 33, 44, 0xAC, 0x00, 0x80, 0x80, 0x12, 0x34, 0xFF, 0xFE}, {1, 1, 1, 1, 1, 1}},
        {{0, 0, 0, 0x53, 0xFF, 0x7F, 0x7F, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {{1, 2, 3, 0x28, 0x00, 0x00, 0x80, 0xFF, 0x99, 0x01, 0x02}, {0, 1, 1, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        auto memory = std::make_unique<RadioMemory>();
        std::ranges::copy(c.status, memory->bytes.begin());
        CalibrationData data = Defaults();
        data.Set(calib::Pkdet_rssi, uint8_t{0x77});
        Set1846StatucData(*memory, data);
        EXPECT_EQ(data.Get(calib::CurBatt), c.status[0]);
        EXPECT_EQ(data.Get(calib::Rssi_db), c.status[1]);
        EXPECT_EQ(data.Get(calib::Noise_db), c.status[2]);
        EXPECT_EQ(data.Get(calib::Modu_db), c.status[8]);
        EXPECT_EQ(data.Get(calib::Offset), c.status[9] << 8 | c.status[10]);
        const std::array<uint8_t, 6> flags = {
            data.Get(calib::Modu_cmp),   data.Get(calib::Rssi_cmp1), data.Get(calib::Noise_cmp1),
            data.Get(calib::Noise_cmp2), data.Get(calib::Rssi_cmp3), data.Get(calib::Pkdet_cmp)};
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(data.Get(calib::Pkdet_rssi), 0x77);  // never filled by the status
        EXPECT_EQ(data.Get(calib::SQL_L1), 126);       // editable fields untouched
    }
}

TEST(CalibrationBlock, RandomBlocksAndRecordsConvertSafely) {
    std::mt19937 random(31);
    for (int round = 0; round < 200; ++round) {
        auto memory = std::make_unique<RadioMemory>();
        for (auto& b : memory->bytes) {
            b = static_cast<uint8_t>(random());
        }
        CalibrationData c;
        SetAdjustmentData(*memory, round % 2 == 1, c);
        Set1846StatucData(*memory, c);
        CalibrationTables tables;
        AnalyseTmpAdjustmentData(*memory, tables);
        CalibrationImage image;
        GetAdjustmentData(c, round % 2 == 0, image, tables);
        EXPECT_EQ(c.Vol1846(0), 0);
        EXPECT_LE(c.Get(calib::MicGain), 15);
        EXPECT_LE(c.Get(calib::Modu_dten), 1);
    }
}

}  // namespace
}  // namespace radioprog
