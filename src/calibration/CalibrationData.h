#pragma once
// The radio's per-unit calibration values: one packed 160-byte little-endian record, which
// is also the calibration file byte for byte, so the offsets below must never move.
//
//    0  5x7 Point[0..4] (Freq u16, PowerH, PowerM, PowerL, Tune, Rssi)
//   35  u16 PinPian_W          67  Xtal_PP           83  Noise_db
//   37  u16 PinPian_W_Spe_1    68  MicGainFine       84  Noise_cmp1
//   39  u16 PinPian_W_Spe_2    69  MicGain           85  Modu_cmp
//   41  DtmfFuDu_W             70  Pga               86  Pkdet_cmp
//   42  FuDu1750_W             71  Noise_th          87  Rssi_cmp3
//   43  CtcPinPian_W           72  Modu_th           88  Noise_cmp2
//   44  DcsPinPian_W           73  Pkdet_th          89  Modu_db
//   45  u16 PinPian_N          74  Pkdet_th_nar      90  Pkdet_rssi
//   47  u16 PinPian_N_Spe_1    75  Rssi3_th          91  u16 Offset
//   49  u16 PinPian_N_Spe_2    76  Noise2_th         93  Batt_Tbl[10]
//   51  DtmfFuDu_N             77  Modu_dten        103  SQ_offset[20] (signed)
//   52  FuDu1750_N             78  Pkdet_dten       123  SQ_offset_nar[20] (signed)
//   53  CtcPinPian_N           79  Noise_th_nar     143  Batt_PowerOn
//   54  DcsPinPian_N           80  CurBatt          144  BattLowPowerOff
//   55  SQL_L1 56 SQL_L4       81  Rssi_db          145  Xtal1846
//   57  SQL_L9 58 VOX_L1       82  Rssi_cmp1        146  Vol1846[10]
//   59  VOX_L9 60..66 battery thresholds            156  u32 FreqAging (Hz)

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/BandLimits.h"
#include "model/ByteAccess.h"
#include "model/FileResult.h"
#include "model/PackedRecord.h"

namespace radioprog {

inline constexpr size_t kCalibrationDataSize = 160;
inline constexpr int kCalibrationPointCount = 5;
inline constexpr size_t kCalibrationPointSize = 7;
inline constexpr int kSquelchOffsetCount = 20;
inline constexpr int kBattTblCount = 10;
inline constexpr int kVol1846Count = 10;

namespace calib {
// Fields of calibration point i (0..4).
struct PointFields {
    U16Field Freq;  // whole MHz; 0 marks a point not in use
    U8Field PowerH;
    U8Field PowerM;
    U8Field PowerL;
    U8Field Tune;
    U8Field Rssi;
};
constexpr PointFields Point(int i) {
    const size_t base = kCalibrationPointSize * static_cast<size_t>(i);
    return {{base}, {base + 2}, {base + 3}, {base + 4}, {base + 5}, {base + 6}};
}

inline constexpr U16Field PinPian_W{35};
inline constexpr U16Field PinPian_W_Spe_1{37};
inline constexpr U16Field PinPian_W_Spe_2{39};
inline constexpr U8Field DtmfFuDu_W{41};
inline constexpr U8Field FuDu1750_W{42};
inline constexpr U8Field CtcPinPian_W{43};
inline constexpr U8Field DcsPinPian_W{44};
inline constexpr U16Field PinPian_N{45};
inline constexpr U16Field PinPian_N_Spe_1{47};
inline constexpr U16Field PinPian_N_Spe_2{49};
inline constexpr U8Field DtmfFuDu_N{51};
inline constexpr U8Field FuDu1750_N{52};
inline constexpr U8Field CtcPinPian_N{53};
inline constexpr U8Field DcsPinPian_N{54};
inline constexpr U8Field SQL_L1{55};
inline constexpr U8Field SQL_L4{56};
inline constexpr U8Field SQL_L9{57};
inline constexpr U8Field VOX_L1{58};
inline constexpr U8Field VOX_L9{59};
inline constexpr U8Field Batt_L0_Wait{60};
inline constexpr U8Field Batt_L1_Wait{61};
inline constexpr U8Field Batt_L2_Wait{62};
inline constexpr U8Field Batt_L0_Tx{63};
inline constexpr U8Field Batt_L1_Tx{64};
inline constexpr U8Field Batt_L2_Tx{65};
inline constexpr U8Field Batt_High{66};
inline constexpr U8Field Xtal_PP{67};
inline constexpr U8Field MicGainFine{68};
inline constexpr U8Field MicGain{69};
inline constexpr U8Field Pga{70};
inline constexpr U8Field Noise_th{71};
inline constexpr U8Field Modu_th{72};
inline constexpr U8Field Pkdet_th{73};
inline constexpr U8Field Pkdet_th_nar{74};
inline constexpr U8Field Rssi3_th{75};
inline constexpr U8Field Noise2_th{76};
inline constexpr U8Field Modu_dten{77};
inline constexpr U8Field Pkdet_dten{78};
inline constexpr U8Field Noise_th_nar{79};
// Status of the radio's RF chip, filled by the status read.
inline constexpr U8Field CurBatt{80};
inline constexpr U8Field Rssi_db{81};
inline constexpr U8Field Rssi_cmp1{82};
inline constexpr U8Field Noise_db{83};
inline constexpr U8Field Noise_cmp1{84};
inline constexpr U8Field Modu_cmp{85};
inline constexpr U8Field Pkdet_cmp{86};
inline constexpr U8Field Rssi_cmp3{87};
inline constexpr U8Field Noise_cmp2{88};
inline constexpr U8Field Modu_db{89};
inline constexpr U8Field Pkdet_rssi{90};
inline constexpr U16Field Offset{91};

inline constexpr BytesField Batt_Tbl{93, kBattTblCount};
inline constexpr BytesField SQ_offset{103, kSquelchOffsetCount};
inline constexpr BytesField SQ_offset_nar{123, kSquelchOffsetCount};
inline constexpr U8Field Batt_PowerOn{143};
inline constexpr U8Field BattLowPowerOff{144};
inline constexpr U8Field Xtal1846{145};  // 0 = 26 MHz, 1 = 13 MHz
inline constexpr BytesField Vol1846{146, kVol1846Count};
inline constexpr U32Field FreqAging{156};  // Hz
}  // namespace calib

// One calibration point as plain values.
struct CalibrationPoint {
    uint16_t Freq = 0;
    uint8_t PowerH = 0;
    uint8_t PowerM = 0;
    uint8_t PowerL = 0;
    uint8_t Tune = 0;
    uint8_t Rssi = 0;
    friend bool operator==(const CalibrationPoint&, const CalibrationPoint&) = default;
};

class CalibrationData : public PackedRecord<kCalibrationDataSize> {
  public:
    // Points 0..4; an index out of range reads as an unused point and is not written.
    CalibrationPoint Point(int i) const;
    void SetPoint(int i, const CalibrationPoint& point);

    // The signed squelch offsets per frequency row 0..19 (0 outside the rows).
    int8_t SqOffset(int row) const { return SignedEntry(calib::SQ_offset, row); }
    int8_t SqOffsetNar(int row) const { return SignedEntry(calib::SQ_offset_nar, row); }
    void SetSqOffset(int row, int8_t v) { SetSignedEntry(calib::SQ_offset, row, v); }
    void SetSqOffsetNar(int row, int8_t v) { SetSignedEntry(calib::SQ_offset_nar, row, v); }

    uint8_t BattTbl(int i) const { return Entry(calib::Batt_Tbl, i); }
    void SetBattTbl(int i, uint8_t v) { SetEntry(calib::Batt_Tbl, i, v); }
    uint8_t Vol1846(int i) const { return Entry(calib::Vol1846, i); }
    void SetVol1846(int i, uint8_t v) { SetEntry(calib::Vol1846, i, v); }

  private:
    uint8_t Entry(BytesField f, int i) const;
    void SetEntry(BytesField f, int i, uint8_t v);
    int8_t SignedEntry(BytesField f, int i) const { return static_cast<int8_t>(Entry(f, i)); }
    void SetSignedEntry(BytesField f, int i, int8_t v) { SetEntry(f, i, static_cast<uint8_t>(v)); }
};

static_assert(calib::Point(kCalibrationPointCount).Freq.offset == calib::PinPian_W.offset);
static_assert(calib::SQ_offset_nar.offset + calib::SQ_offset_nar.size ==
              calib::Batt_PowerOn.offset);
static_assert(calib::Vol1846.offset + calib::Vol1846.size == calib::FreqAging.offset);
static_assert(calib::FreqAging.offset + 4 == kCalibrationDataSize);

// Zeroes the record, then stores the defaults; points 0 to 2 lie at the band's lower
// edge, middle and upper edge (whole MHz, the upper edge rounded up) with high power 63.
void ResetCalibrationData(CalibrationData& calibration, const BandLimits& band);

// Reads up to 160 bytes of the file over the record: a short file replaces only the bytes
// it holds, and a file that cannot be read leaves the record as it was.
FileResult LoadCalibrationFile(const std::string& path, CalibrationData& calibration);
// Writes the 160 bytes of the record in one piece: a failed save leaves the old file.
FileResult SaveCalibrationFile(const std::string& path, const CalibrationData& calibration);

}  // namespace radioprog
