#include "session/CalibrationConversion.h"

#include <algorithm>

#include "model/RadioEncoding.h"

namespace radioprog {

namespace {

using namespace calblock;

// The level the radio's squelch thresholds are counted down from.
constexpr int kSquelchBase = 137;
constexpr int kSquelchCloseGap = 2;
constexpr int kThresholdShift = 7;
constexpr int kPgaShift = 6;
constexpr int kMicGainShift = 8;
constexpr uint8_t kMicGainMask = 0x0F;
constexpr uint8_t kModu_dtenBit = 0x04;   // in byte 91
constexpr uint8_t kPkdet_dtenBit = 0x20;  // in byte 94

std::span<const uint8_t> CalibrationBlockAt(const RadioMemory& memory, size_t offset) {
    return std::span(memory.bytes).subspan(offset, kCalibrationImageSize);
}

PointTableEntry TakePoint(std::span<const uint8_t> block, int i) {
    const size_t at = kPointSize * static_cast<size_t>(i);
    return {ReadU16BE(block, at), block[at + 2], block[at + 3], block[at + 4]};
}

void PutPoint(std::span<uint8_t> block, int i, const PointTableEntry& point) {
    const size_t at = kPointSize * static_cast<size_t>(i);
    WriteU16BE(block, at, point.mhz);
    block[at + 2] = point.PowerH;
    block[at + 3] = point.PowerL;
    block[at + 4] = point.Tune;
}

void TakeSegments(std::span<const uint8_t> block, CalibrationTables& tables) {
    for (int i = 0; i < kSegmentCount; ++i) {
        tables.SegmentTableWide[i] = static_cast<int8_t>(block[kSQ_offset + i]);
        tables.SegmentTableNarrow[i] = static_cast<int8_t>(block[kSQ_offset_nar + i]);
    }
}

// The register form of a threshold: the value in the upper bits and, below it, the value
// less a margin.
uint16_t ThresholdWord(uint8_t x, int margin) {
    return static_cast<uint16_t>((x << kThresholdShift) | static_cast<uint8_t>(x - margin));
}

uint8_t ThresholdValue(std::span<const uint8_t> block, size_t offset) {
    return static_cast<uint8_t>((ReadU16BE(block, offset) >> kThresholdShift) & 0x7F);
}

// Entries first+1 .. first+3 evenly between entries first and first+4, from the smaller up.
void FillBetween(std::array<uint8_t, kLevelCount>& table, int first) {
    const int lo = std::min(table[first], table[first + 4]);
    const int hi = std::max(table[first], table[first + 4]);
    for (int k = 1; k < 4; ++k) {
        table[first + k] = static_cast<uint8_t>(lo + (hi - lo) * k / 4);
    }
}

void BuildSquelchTables(const CalibrationData& c, CalibrationTables& tables) {
    auto& open = tables.SquelchOpenTable;
    open[0] = 0;
    open[1] = static_cast<uint8_t>(kSquelchBase - c.Get(calib::SQL_L1));
    open[5] = static_cast<uint8_t>(kSquelchBase - c.Get(calib::SQL_L4));
    open[9] = static_cast<uint8_t>(kSquelchBase - c.Get(calib::SQL_L9));
    FillBetween(open, 1);
    FillBetween(open, 5);
    auto& close = tables.SquelchCloseTable;
    close[0] = 0;
    for (int k = 1; k < kLevelCount; ++k) {
        close[k] = static_cast<uint8_t>(open[k] - kSquelchCloseGap);
    }
}

void BuildVoxTable(const CalibrationData& c, CalibrationTables& tables) {
    const int first = c.Get(calib::VOX_L1);
    const int last = c.Get(calib::VOX_L9);
    const int step = (std::max(first, last) - std::min(first, last)) / 8;
    auto& vox = tables.VoxLevelTable;
    vox[0] = 0;
    vox[1] = static_cast<uint8_t>(first);
    vox[9] = static_cast<uint8_t>(last);
    for (int k = 2; k <= 8; ++k) {
        const int delta = step * (k - 1);
        vox[k] = static_cast<uint8_t>(last < first ? first - delta : first + delta);
    }
}

// Deviation words: 16 bits for variant S, only the low byte for variant Y.
void PutDeviation(std::span<uint8_t> block, size_t offset, uint16_t value, bool variantY) {
    if (variantY) {
        block[offset] = static_cast<uint8_t>(value);
    } else {
        WriteU16BE(block, offset, value);
    }
}

uint16_t TakeDeviation(std::span<const uint8_t> block, size_t offset, bool variantY) {
    return variantY ? block[offset] : ReadU16BE(block, offset);
}

template <size_t N>
void CopyTable(const std::array<uint8_t, N>& table, std::span<uint8_t> block, size_t offset) {
    std::copy(table.begin(), table.end(), block.begin() + static_cast<std::ptrdiff_t>(offset));
}

void PutRegisters(const CalibrationData& c, bool variantY, std::span<uint8_t> block) {
    block[kBatt_L0_Wait] = c.Get(calib::Batt_L0_Wait);
    for (int i = 0; i < kBattTblCount; ++i) {
        block[kBatt_Tbl + i] = c.BattTbl(i);
    }
    block[kBatt_L0_Tx] = c.Get(calib::Batt_L0_Tx);
    PutDeviation(block, kPinPian_W, c.Get(calib::PinPian_W), variantY);
    PutDeviation(block, kPinPian_W_Spe_1, c.Get(calib::PinPian_W_Spe_1), variantY);
    PutDeviation(block, kPinPian_W_Spe_2, c.Get(calib::PinPian_W_Spe_2), variantY);
    block[kCtcPinPian_W] = c.Get(calib::CtcPinPian_W);
    block[kDcsPinPian_W] = c.Get(calib::DcsPinPian_W);
    block[kXtal_PP] = c.Get(calib::Xtal_PP);
    WriteU16BE(block, kMicGainFine, c.Get(calib::MicGainFine));
    WriteU16BE(block, kMicGain, static_cast<uint16_t>(c.Get(calib::MicGain) << kMicGainShift));
    WriteU16BE(block, kNoise_th, ThresholdWord(c.Get(calib::Noise_th), 2));
    WriteU16BE(block, kPkdet_th, ThresholdWord(c.Get(calib::Pkdet_th), 2));
    WriteU16BE(block, kRssi3_th, ThresholdWord(c.Get(calib::Rssi3_th), 1));
    WriteU16BE(block, kNoise2_th, ThresholdWord(c.Get(calib::Noise2_th), 2));
    WriteU16BE(block, kModu_dten, c.Get(calib::Modu_dten) != 0 ? kModu_dtenWord : uint16_t{0});
    WriteU16BE(block, kPkdet_dten, c.Get(calib::Pkdet_dten) != 0 ? kPkdet_dtenWord : uint16_t{0});
    WriteU16BE(block, kNoise_th_nar, ThresholdWord(c.Get(calib::Noise_th_nar), 2));
    WriteU16BE(block, kPga, static_cast<uint16_t>(c.Get(calib::Pga) << kPgaShift));
    WriteU16BE(block, kPkdet_th_nar, ThresholdWord(c.Get(calib::Pkdet_th_nar), 2));
}

void TakeRegisters(std::span<const uint8_t> block, bool variantY, CalibrationData& c) {
    c.Set(calib::Batt_L0_Wait, block[kBatt_L0_Wait]);
    for (int i = 0; i < kBattTblCount; ++i) {
        c.SetBattTbl(i, block[kBatt_Tbl + i]);
    }
    c.Set(calib::Batt_L0_Tx, block[kBatt_L0_Tx]);
    c.Set(calib::PinPian_W, TakeDeviation(block, kPinPian_W, variantY));
    c.Set(calib::PinPian_W_Spe_1, TakeDeviation(block, kPinPian_W_Spe_1, variantY));
    c.Set(calib::PinPian_W_Spe_2, TakeDeviation(block, kPinPian_W_Spe_2, variantY));
    c.Set(calib::CtcPinPian_W, block[kCtcPinPian_W]);
    c.Set(calib::DcsPinPian_W, block[kDcsPinPian_W]);
    c.Set(calib::Xtal_PP, block[kXtal_PP]);
    c.Set(calib::MicGainFine, block[kMicGainFine + 1]);
    c.Set(calib::MicGain, static_cast<uint8_t>(block[kMicGain] & kMicGainMask));
    c.Set(calib::Noise_th, ThresholdValue(block, kNoise_th));
    c.Set(calib::Noise_th_nar, ThresholdValue(block, kNoise_th_nar));
    c.Set(calib::Pkdet_th, ThresholdValue(block, kPkdet_th));
    c.Set(calib::Pkdet_th_nar, ThresholdValue(block, kPkdet_th_nar));
    c.Set(calib::Rssi3_th, ThresholdValue(block, kRssi3_th));
    c.Set(calib::Noise2_th, ThresholdValue(block, kNoise2_th));
    c.Set(calib::Pga, static_cast<uint8_t>(ReadU16BE(block, kPga) >> kPgaShift));
    c.Set(calib::Modu_dten, uint8_t{(block[kModu_dten] & kModu_dtenBit) != 0});
    c.Set(calib::Pkdet_dten, uint8_t{(block[kPkdet_dten + 1] & kPkdet_dtenBit) != 0});
}

bool Bit(uint16_t word, int bit) {
    return (word >> bit) & 1;
}

}  // namespace

void AnalyseTmpAdjustmentData(const RadioMemory& memory, CalibrationTables& tables) {
    const auto block = CalibrationBlockAt(memory, radiomap::kCalibrationOffset);
    for (int i = 0; i < kPointTableSize; ++i) {
        tables.PointTable[i] = TakePoint(block, i);
    }
    TakeSegments(block, tables);
}

void GetAdjustmentData(CalibrationData& calibration, bool variantY, CalibrationImage& image,
                       CalibrationTables& tables) {
    CalibrationData& c = calibration;
    const std::span<uint8_t> block(image.bytes);
    for (int i = 0; i < kPointTableSize; ++i) {
        const CalibrationPoint p = c.Point(i);
        tables.PointTable[i] = {p.Freq, p.PowerH, p.PowerL, p.Tune};
        PutPoint(block, i, tables.PointTable[i]);
    }
    for (int i = 0; i < kSegmentCount; ++i) {
        tables.SegmentTableWide[i] = c.SqOffset(i);
        tables.SegmentTableNarrow[i] = c.SqOffsetNar(i);
        block[kSQ_offset + i] = static_cast<uint8_t>(c.SqOffset(i));
        block[kSQ_offset_nar + i] = static_cast<uint8_t>(c.SqOffsetNar(i));
    }
    block[kXtal1846] = c.Get(calib::Xtal1846);
    c.SetVol1846(0, 0);
    for (int i = 0; i < kVol1846Count; ++i) {
        block[kVol1846 + i] = c.Vol1846(i);
    }
    const auto aging = EncodeFreq3(c.Get(calib::FreqAging), variantY);
    std::copy(aging.begin(), aging.end(), block.begin() + kFreqAging);
    BuildSquelchTables(c, tables);
    CopyTable(tables.SquelchOpenTable, block, kSquelchOpenTable);
    CopyTable(tables.SquelchCloseTable, block, kSquelchCloseTable);
    BuildVoxTable(c, tables);
    CopyTable(tables.VoxLevelTable, block, kVoxLevelTable);
    PutRegisters(c, variantY, block);
}

void SetAdjustmentData(const RadioMemory& memory, bool variantY, CalibrationData& calibration) {
    CalibrationData& c = calibration;
    const auto block = CalibrationBlockAt(memory, 0);
    for (int i = 0; i < kCalibrationPointCount; ++i) {
        const PointTableEntry read = TakePoint(block, i);
        CalibrationPoint p = c.Point(i);
        p.Freq = read.mhz;
        p.PowerH = read.PowerH;
        p.PowerL = read.PowerL;
        p.Tune = read.Tune;
        c.SetPoint(i, p);
    }
    for (int i = 0; i < kSegmentCount; ++i) {
        c.SetSqOffset(i, static_cast<int8_t>(block[kSQ_offset + i]));
        c.SetSqOffsetNar(i, static_cast<int8_t>(block[kSQ_offset_nar + i]));
    }
    c.Set(calib::Xtal1846, block[kXtal1846]);
    for (int i = 0; i < kVol1846Count; ++i) {
        c.SetVol1846(i, block[kVol1846 + i]);
    }
    c.SetVol1846(0, 0);
    c.Set(calib::FreqAging,
          DecodeFreq3({block[kFreqAging], block[kFreqAging + 1], block[kFreqAging + 2]}, variantY));
    c.Set(calib::SQL_L1, static_cast<uint8_t>(kSquelchBase - block[kSquelchOpenTable + 1]));
    c.Set(calib::SQL_L4, static_cast<uint8_t>(kSquelchBase - block[kSquelchOpenTable + 5]));
    c.Set(calib::SQL_L9, static_cast<uint8_t>(kSquelchBase - block[kSquelchOpenTable + 9]));
    c.Set(calib::VOX_L1, block[kVoxLevelTable + 1]);
    c.Set(calib::VOX_L9, block[kVoxLevelTable + 9]);
    TakeRegisters(block, variantY, c);
}

void Set1846StatucData(const RadioMemory& memory, CalibrationData& calibration) {
    using namespace chipstatus;
    const auto s = std::span(memory.bytes).first(kSize);
    CalibrationData& c = calibration;
    c.Set(calib::CurBatt, s[kCurBatt]);
    c.Set(calib::Rssi_db, s[kRssi_db]);
    c.Set(calib::Noise_db, s[kNoise_db]);
    const uint16_t a = ReadU16BE(s, kWordA);
    c.Set(calib::Modu_cmp, uint8_t{Bit(a, 15)});
    c.Set(calib::Rssi_cmp1, uint8_t{Bit(a, 13)});
    c.Set(calib::Noise_cmp1, uint8_t{Bit(a, 11)});
    c.Set(calib::Noise_cmp2, uint8_t{Bit(a, 10)});
    const uint16_t b = ReadU16BE(s, kWordB);
    c.Set(calib::Rssi_cmp3, uint8_t{Bit(b, 15)});
    c.Set(calib::Pkdet_cmp, uint8_t{Bit(b, 7)});
    c.Set(calib::Modu_db, static_cast<uint8_t>(ReadU16BE(s, kWordC)));
    c.Set(calib::Offset, ReadU16BE(s, kOffset));
}

}  // namespace radioprog
