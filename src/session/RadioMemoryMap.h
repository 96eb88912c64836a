#pragma once
// The session's buffers and where the radio keeps its records.
//
// Current radios (answer 'S' or 'Y'); radio addresses, multi-byte numbers big-endian:
//   0x4000   36       settings area (offsets in namespace settingsarea)
//   0x4024   12       zeros on a data write
//   0x4040   16       password block of the radio password
//   0x4050   16       second password-area block, read and not interpreted
//   0x8080   16 x 19  channel records, channel n at 0x8080 + 19 (n - 1)
//   0x81B0  144       calibration block (offsets in namespace calblock)
// The session buffer holds radio address 0x4000 + o at offset o for these radios, 0x81B0 + o
// in the calibration read, and address o itself for legacy radios:
//   16 n     16       legacy channel n (1..16)
//   0x011D, 0x011E    keys 1 and 2 in legacy code
//   0x012F..0x0136    Voice, Tot / 15, Toa, Sql, Saving, Beep
//   0x017E    2       scan bitmap, least significant byte first

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace radioprog {

inline constexpr size_t kRadioMemorySize = 32768;
inline constexpr size_t kCalibrationImageSize = 144;

// Mirrors the radio's memory during a session.
struct RadioMemory {
    std::array<uint8_t, kRadioMemorySize> bytes{};
};

// The calibration block as it is written to radio addresses 0x81B0 and up. It keeps its
// contents between sessions: bytes the conversion does not write stay as they were.
struct CalibrationImage {
    std::array<uint8_t, kCalibrationImageSize> bytes{};
};

namespace radiomap {
// Radio addresses of the current map.
inline constexpr uint16_t kCurrentBaseAddress = 0x4000;
inline constexpr uint16_t kSettingsAddress = 0x4000;
inline constexpr size_t kSettingsSize = 36;
inline constexpr uint16_t kPasswordAddress = 0x4040;
inline constexpr size_t kPasswordAreaSize = 32;
inline constexpr uint16_t kChannelAddress = 0x8080;
inline constexpr size_t kChannelRecordSize = 19;
inline constexpr uint16_t kCalibrationAddress = 0x81B0;
inline constexpr size_t kCalibrationBlockSize = kCalibrationImageSize;

// The same records as offsets in RadioMemory during a current-radio session.
inline constexpr size_t kSettingsOffset = kSettingsAddress - kCurrentBaseAddress;
inline constexpr size_t kPasswordOffset = kPasswordAddress - kCurrentBaseAddress;
inline constexpr size_t kChannelOffset = kChannelAddress - kCurrentBaseAddress;
inline constexpr size_t kCalibrationOffset = kCalibrationAddress - kCurrentBaseAddress;

// Offset of channel n (1..16) in RadioMemory, current map.
constexpr size_t ChannelOffset(int n) {
    return kChannelOffset + kChannelRecordSize * static_cast<size_t>(n - 1);
}

// Legacy map: buffer offset = radio address.
inline constexpr size_t kLegacyChannelRecordSize = 16;
inline constexpr size_t kLegacyFirstAddress = 0x0010;
inline constexpr size_t kLegacyEndAddress = 0x0200;  // exclusive
constexpr size_t LegacyChannelOffset(int n) {
    return kLegacyChannelRecordSize * static_cast<size_t>(n);
}
inline constexpr size_t kLegacyKey1Short = 0x011D;
inline constexpr size_t kLegacyKey2Short = 0x011E;
inline constexpr size_t kLegacyVoice = 0x012F;
inline constexpr size_t kLegacyTot = 0x0130;  // seconds / 15
inline constexpr size_t kLegacyToa = 0x0131;
inline constexpr size_t kLegacySql = 0x0134;
inline constexpr size_t kLegacySaving = 0x0135;
inline constexpr size_t kLegacyBeep = 0x0136;
inline constexpr size_t kLegacyScanBitmap = 0x017E;
inline constexpr int kLegacyTotStep = 15;

static_assert(ChannelOffset(17) == kCalibrationOffset);
static_assert(LegacyChannelOffset(17) <= kLegacyKey1Short);
}  // namespace radiomap

// Settings area, offsets from its start (0x4000).
namespace settingsarea {
inline constexpr size_t kYear = 0;  // u16
inline constexpr size_t kMonth = 2;
inline constexpr size_t kDay = 3;
inline constexpr size_t kHour = 4;
inline constexpr size_t kMinute = 5;
inline constexpr size_t kTot = 6;  // u16, seconds
inline constexpr size_t kToa = 8;
inline constexpr size_t kBeep = 9;
inline constexpr size_t kSaving = 10;
inline constexpr size_t kSavingRate = 11;  // u16, ratio x 200
inline constexpr size_t kSql = 13;
inline constexpr size_t kVoice = 14;
inline constexpr size_t kScanBitmap = 15;  // u16, bit n - 1 is channel n
inline constexpr size_t kVox = 18;
inline constexpr size_t kVoxDelay = 19;  // u16, ms
inline constexpr size_t kFixedTen = 22;  // always 10
inline constexpr size_t kKey1Short = 23;
inline constexpr size_t kKey2Short = 24;
inline constexpr size_t kBandLower = 25;  // u32, Hz
inline constexpr size_t kBandUpper = 29;  // u32, Hz
inline constexpr size_t kAlarmCode = 33;  // u16
inline constexpr size_t kAlarm = 35;
inline constexpr uint8_t kFixedTenValue = 10;
inline constexpr uint16_t kSavingRateScale = 200;
}  // namespace settingsarea

// Channel record of the current map (19 bytes).
namespace radiochannel {
inline constexpr size_t kRxFreq = 0;  // 3 bytes, radio units
inline constexpr size_t kTxFreq = 3;
inline constexpr size_t kRxTone = 6;  // two u16 tone words
inline constexpr size_t kTxTone = 10;
inline constexpr size_t kToneTypes = 14;  // rx type, tx type, rx class, tx class: 2 bits each
inline constexpr size_t kFlags = 15;
inline constexpr size_t kTxPower = 16;
inline constexpr size_t kRxTune = 17;
inline constexpr size_t kSquelchOffset = 18;

inline constexpr uint8_t kHighPowerBit = 0x20;
inline constexpr uint8_t kWideBit = 0x10;
inline constexpr int kBusyFitShift = 2;
inline constexpr uint8_t kTwoBitMask = 0x03;
inline constexpr int kTxToneTypeShift = 2;
inline constexpr int kRxFreqClassShift = 4;
inline constexpr int kTxFreqClassShift = 6;
}  // namespace radiochannel

// Legacy channel record (16 bytes).
namespace legacychannel {
inline constexpr size_t kRxFreq = 0;  // 4 BCD bytes, most significant pair last
inline constexpr size_t kTxFreq = 4;
inline constexpr size_t kRxTone = 8;  // 2 bytes
inline constexpr size_t kTxTone = 10;
inline constexpr size_t kFlags = 12;     // FlagsA..FlagsD unchanged
inline constexpr size_t kInUseByte = 3;  // 0x00 or 0xFF: empty
}  // namespace legacychannel

// Calibration block (CalibrationImage), offsets from 0x81B0; u16 big-endian.
namespace calblock {
inline constexpr size_t kPointSize = 5;  // Freq u16 (MHz), PowerH, PowerL, Tune
inline constexpr size_t kSquelchOpenTable = 25;
inline constexpr size_t kSquelchCloseTable = 35;
inline constexpr size_t kVoxLevelTable = 45;
inline constexpr size_t kBatt_L0_Wait = 55;
inline constexpr size_t kBatt_Tbl = 56;
inline constexpr size_t kBatt_L0_Tx = 66;
inline constexpr size_t kPinPian_W = 68;
inline constexpr size_t kPinPian_W_Spe_1 = 70;
inline constexpr size_t kPinPian_W_Spe_2 = 72;
inline constexpr size_t kCtcPinPian_W = 74;
inline constexpr size_t kDcsPinPian_W = 75;
inline constexpr size_t kXtal_PP = 76;
inline constexpr size_t kMicGainFine = 77;  // u16
inline constexpr size_t kMicGain = 79;      // u16, gain x 256
inline constexpr size_t kNoise_th = 81;
inline constexpr size_t kPkdet_th = 85;
inline constexpr size_t kRssi3_th = 87;
inline constexpr size_t kNoise2_th = 89;
inline constexpr size_t kModu_dten = 91;   // u16: 0x0400 when on
inline constexpr size_t kPkdet_dten = 93;  // u16: 0x0020 when on
inline constexpr size_t kSQ_offset = 95;
inline constexpr size_t kSQ_offset_nar = 107;
inline constexpr size_t kNoise_th_nar = 119;
inline constexpr size_t kPga = 121;  // u16, gain x 64
inline constexpr size_t kXtal1846 = 123;
inline constexpr size_t kVol1846 = 124;
inline constexpr size_t kPkdet_th_nar = 134;
inline constexpr size_t kFreqAging = 136;  // 3 bytes, radio units
inline constexpr uint16_t kModu_dtenWord = 0x0400;
inline constexpr uint16_t kPkdet_dtenWord = 0x0020;
static_assert(kFreqAging + 3 <= kCalibrationImageSize);
}  // namespace calblock

// The RF chip status reply, placed at RadioMemory offsets 0..10.
namespace chipstatus {
inline constexpr size_t kCurBatt = 0;
inline constexpr size_t kRssi_db = 1;
inline constexpr size_t kNoise_db = 2;
inline constexpr size_t kWordA = 3;   // u16: Modu_cmp, Rssi_cmp1, Noise_cmp1, Noise_cmp2
inline constexpr size_t kWordB = 5;   // u16: Rssi_cmp3, Pkdet_cmp
inline constexpr size_t kWordC = 7;   // u16: low byte Modu_db
inline constexpr size_t kOffset = 9;  // u16
inline constexpr size_t kSize = 11;
}  // namespace chipstatus

}  // namespace radioprog
