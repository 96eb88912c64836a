#include "session/MemoryMapConversion.h"

#include <algorithm>
#include <ctime>

#include "model/FreqCodec.h"
#include "model/ProjectFields.h"
#include "model/RadioEncoding.h"
#include "session/PasswordBlock.h"

namespace radioprog {

namespace {

constexpr BandLimits kFallbackBand{400000000, 480000000};

std::span<uint8_t> RadioChannel(RadioMemory& memory, int n) {
    return std::span(memory.bytes)
        .subspan(radiomap::ChannelOffset(n), radiomap::kChannelRecordSize);
}

std::span<const uint8_t> RadioChannel(const RadioMemory& memory, int n) {
    return std::span(memory.bytes)
        .subspan(radiomap::ChannelOffset(n), radiomap::kChannelRecordSize);
}

std::span<uint8_t> SettingsArea(RadioMemory& memory) {
    return std::span(memory.bytes).subspan(radiomap::kSettingsOffset, radiomap::kSettingsSize);
}

std::span<const uint8_t> SettingsArea(const RadioMemory& memory) {
    return std::span(memory.bytes).subspan(radiomap::kSettingsOffset, radiomap::kSettingsSize);
}

bool IsRadioChannelInUse(std::span<const uint8_t> record) {
    const uint8_t first = record[radiochannel::kRxFreq];
    return first != 0x00 && first != 0xFF;
}

void PutFreq(std::span<uint8_t> record, size_t offset, uint32_t hz, bool variantY) {
    const auto bytes = EncodeFreq3(hz, variantY);
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

uint32_t TakeFreq(std::span<const uint8_t> record, size_t offset, bool variantY) {
    return DecodeFreq3({record[offset], record[offset + 1], record[offset + 2]}, variantY);
}

void PutTone(std::span<uint8_t> record, size_t offset, uint16_t code, uint8_t type, bool variantY) {
    const ToneWords words = EncodeToneWords(code, type, variantY);
    WriteU16BE(record, offset, words.w0);
    WriteU16BE(record, offset + 2, words.w1);
}

uint16_t TakeTone(std::span<const uint8_t> record, size_t offset, uint8_t type) {
    return DecodeToneWords({ReadU16BE(record, offset), ReadU16BE(record, offset + 2)}, type);
}

// Bytes 16 to 18: the transmit power and receive tuning from the calibration points, and
// the squelch offset of the receive frequency's segment.
void PutCalibrationBytes(std::span<uint8_t> record, const CalibrationTables& tables,
                         const BandLimits& band, uint32_t rxHz, uint32_t txHz, bool highPower,
                         bool wide) {
    record[radiochannel::kTxPower] =
        InterpolatePoint(tables, txHz, highPower ? PointColumn::PowerH : PointColumn::PowerL);
    record[radiochannel::kRxTune] = InterpolatePoint(tables, rxHz, PointColumn::Tune);
    record[radiochannel::kSquelchOffset] =
        static_cast<uint8_t>(SegmentValue(tables, band, rxHz, wide));
}

void PutChannel(std::span<uint8_t> record, ConstChannelRecord ch, const CalibrationTables& tables,
                const BandLimits& band, bool variantY) {
    using namespace radiochannel;
    const uint32_t rxHz = ch.RxFreq();
    const uint32_t txHz = ch.TxFreq();
    const uint8_t rxType = ch.RxToneType() & kTwoBitMask;
    const uint8_t txType = ch.TxToneType() & kTwoBitMask;
    const bool highPower = ch.HighPower();
    const bool wide = ch.Wide();
    const uint8_t busyFit = ch.BusyFit();

    PutFreq(record, kRxFreq, rxHz, variantY);
    PutFreq(record, kTxFreq, txHz, variantY);
    PutTone(record, kRxTone, ch.RxToneCode(), rxType, variantY);
    PutTone(record, kTxTone, ch.TxToneCode(), txType, variantY);
    record[kToneTypes] =
        static_cast<uint8_t>(rxType | (txType << kTxToneTypeShift) |
                             ((FreqClass(rxHz, variantY) & kTwoBitMask) << kRxFreqClassShift) |
                             ((FreqClass(txHz, variantY) & kTwoBitMask) << kTxFreqClassShift));
    record[kFlags] = static_cast<uint8_t>((highPower ? kHighPowerBit : 0) | (wide ? kWideBit : 0) |
                                          (busyFit << kBusyFitShift));
    PutCalibrationBytes(record, tables, band, rxHz, txHz, highPower, wide);
}

void TakeChannel(std::span<const uint8_t> record, ChannelRecord ch, bool variantY) {
    using namespace radiochannel;
    const uint8_t types = record[kToneTypes];
    const uint8_t rxType = types & kTwoBitMask;
    const uint8_t txType = (types >> kTxToneTypeShift) & kTwoBitMask;
    const uint8_t flags = record[kFlags];
    ch.SetRxFreq(TakeFreq(record, kRxFreq, variantY));
    ch.SetTxFreq(TakeFreq(record, kTxFreq, variantY));
    ch.SetRxTone(rxType, TakeTone(record, kRxTone, rxType));
    ch.SetTxTone(txType, TakeTone(record, kTxTone, txType));
    ch.SetHighPower(flags & kHighPowerBit);
    ch.SetWide(flags & kWideBit);
    ch.SetBusyFit((flags >> kBusyFitShift) & kTwoBitMask);
}

void PutSettings(std::span<uint8_t> area, const ProjectImage& image, const BandLimits& band,
                 uint16_t scanBitmap) {
    using namespace settingsarea;
    WriteU16BE(area, kTot, image.Get(settings::Tot));
    area[kToa] = image.Get(settings::Toa);
    area[kBeep] = image.Get(settings::Beep);
    area[kSaving] = image.Get(settings::Saving);
    WriteU16BE(area, kSavingRate,
               static_cast<uint16_t>(image.Get(settings::SavingRate) * kSavingRateScale));
    area[kSql] = image.Get(settings::Sql);
    area[kVoice] = image.Get(settings::Voice);
    WriteU16BE(area, kScanBitmap, scanBitmap);
    area[kVox] = image.Get(settings::Vox);
    WriteU16BE(area, kVoxDelay, image.Get(settings::VoxDelay));
    area[kFixedTen] = kFixedTenValue;
    area[kKey1Short] = image.Get(settings::Key1Short);
    area[kKey2Short] = image.Get(settings::Key2Short);
    WriteU32BE(area, kBandLower, band.lower);
    WriteU32BE(area, kBandUpper, band.upper);
    WriteU16BE(area, kAlarmCode, image.Get(settings::AlarmCode));
    area[kAlarm] = image.Get(settings::Alarm);
}

void TakeSettings(std::span<const uint8_t> area, ProjectImage& image, BandLimits& band) {
    using namespace settingsarea;
    image.Set(settings::Tot, ReadU16BE(area, kTot));
    image.Set(settings::Toa, area[kToa]);
    image.Set(settings::Beep, area[kBeep]);
    image.Set(settings::Saving, area[kSaving]);
    image.Set(settings::SavingRate,
              static_cast<uint8_t>(ReadU16BE(area, kSavingRate) / kSavingRateScale));
    image.Set(settings::Sql, area[kSql]);
    image.Set(settings::Voice, area[kVoice]);
    image.Set(settings::Vox, area[kVox]);
    image.Set(settings::VoxDelay, ReadU16BE(area, kVoxDelay));
    image.Set(settings::Key1Short, area[kKey1Short]);
    image.Set(settings::Key2Short, area[kKey2Short]);
    image.Set(settings::AlarmCode, ReadU16BE(area, kAlarmCode));
    image.Set(settings::Alarm, area[kAlarm]);
    band.lower = ReadU32BE(area, kBandLower);
    band.upper = ReadU32BE(area, kBandUpper);
    // Limits in reverse order are no band either: every channel would be clamped onto one
    // edge, and a project saved with them would not open again.
    if (!IsBandEdgeValid(band.lower, band.upper) || band.lower > band.upper) {
        band = kFallbackBand;
    }
}

void PutWriteTime(std::span<uint8_t> area, const LastWriteTime& now) {
    using namespace settingsarea;
    WriteU16BE(area, kYear, now.year);
    area[kMonth] = now.month;
    area[kDay] = now.day;
    area[kHour] = now.hour;
    area[kMinute] = now.minute;
}

LastWriteTime TakeWriteTime(std::span<const uint8_t> area) {
    using namespace settingsarea;
    return {ReadU16BE(area, kYear), area[kMonth], area[kDay], area[kHour], area[kMinute]};
}

}  // namespace

LastWriteTime LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return {};
    }
    return {static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint8_t>(local.tm_mon + 1),
            static_cast<uint8_t>(local.tm_mday), static_cast<uint8_t>(local.tm_hour),
            static_cast<uint8_t>(local.tm_min)};
}

void GetDataForWrite(const ProjectImage& image, const BandLimits& band,
                     const CalibrationTables& tables, bool variantY, const LastWriteTime& now,
                     RadioMemory& memory) {
    memory.bytes.fill(0);
    uint16_t scanBitmap = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            continue;
        }
        const ConstChannelRecord ch = image.Channel(n);
        PutChannel(RadioChannel(memory, n), ch, tables, band, variantY);
        if (ch.ScanAdd()) {
            scanBitmap = static_cast<uint16_t>(scanBitmap | (1u << (n - 1)));
        }
    }
    const auto area = SettingsArea(memory);
    PutSettings(area, image, band, scanBitmap);
    const PasswordBlock block = BuildPasswordBlock(image.Text(image::NewPassword));
    std::copy(block.begin(), block.end(),
              memory.bytes.begin() + static_cast<std::ptrdiff_t>(radiomap::kPasswordOffset));
    PutWriteTime(area, now);
}

void SetDataToSoftware(const RadioMemory& memory, bool variantY, ProjectImage& image,
                       BandLimits& band, LastWriteTime& lastWriteTime) {
    const auto area = SettingsArea(memory);
    const uint16_t scanBitmap = ReadU16BE(area, settingsarea::kScanBitmap);
    std::ranges::fill(image.Field(image::ChannelValid), uint8_t{0});
    for (int n = 1; n <= kChannelCount; ++n) {
        const auto record = RadioChannel(memory, n);
        if (!IsRadioChannelInUse(record)) {
            continue;
        }
        image.SetChannelValid(n, true);
        ChannelRecord ch = image.Channel(n);
        TakeChannel(record, ch, variantY);
        ch.SetScanAdd((scanBitmap >> (n - 1)) & 1);
    }
    TakeSettings(area, image, band);
    lastWriteTime = TakeWriteTime(area);
}

void ReAnalyseChInfor(const CalibrationTables& tables, const BandLimits& band, bool variantY,
                      RadioMemory& memory) {
    using namespace radiochannel;
    for (int n = 1; n <= kChannelCount; ++n) {
        const auto record = RadioChannel(memory, n);
        if (!IsRadioChannelInUse(record)) {
            continue;
        }
        const uint8_t flags = record[kFlags];
        PutCalibrationBytes(record, tables, band, TakeFreq(record, kRxFreq, variantY),
                            TakeFreq(record, kTxFreq, variantY), flags & kHighPowerBit,
                            flags & kWideBit);
    }
}

}  // namespace radioprog
