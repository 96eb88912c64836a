#include "calibration/CalibrationRanges.h"

#include <algorithm>
#include <iterator>

#include "model/FreqCodec.h"

namespace radioprog {

namespace {

constexpr CalibrationRange One(const char* name, U8Field f, int64_t min, int64_t max) {
    return {name, f.offset, 1, false, 1, 1, min, max, false, false};
}

constexpr CalibrationRange One(const char* name, U16Field f, int64_t min, int64_t max) {
    return {name, f.offset, 2, false, 1, 2, min, max, false, false};
}

constexpr CalibrationRange Table(const char* name, BytesField f, bool isSigned, int64_t min,
                                 int64_t max) {
    return {name, f.offset, 1, isSigned, static_cast<int>(f.size), 1, min, max, false, false};
}

constexpr CalibrationRange PointValue(const char* name, size_t offsetInPoint, size_t width,
                                      int64_t min, int64_t max, bool zeroMeansUnset) {
    return {name,
            calib::Point(0).Freq.offset + offsetInPoint,
            width,
            false,
            kCalibrationPointCount,
            kCalibrationPointSize,
            min,
            max,
            zeroMeansUnset,
            false};
}

constexpr uint8_t kFullByte = 255;

constexpr CalibrationRange kRanges[] = {
    // 0 marks a point not in use; the defaults leave the RSSI of every point at 0.
    PointValue("Point.Freq", 0, 2, 130, 520, true),
    PointValue("Point.PowerH", 2, 1, 0, kFullByte, false),
    PointValue("Point.PowerM", 3, 1, 0, kFullByte, false),
    PointValue("Point.PowerL", 4, 1, 0, kFullByte, false),
    PointValue("Point.Tune", 5, 1, 0, kFullByte, false),
    PointValue("Point.Rssi", 6, 1, 2, 127, true),
    One("PinPian_W", calib::PinPian_W, 0, 1023),
    One("PinPian_W_Spe_1", calib::PinPian_W_Spe_1, 0, 1023),
    One("PinPian_W_Spe_2", calib::PinPian_W_Spe_2, 0, 1023),
    One("DtmfFuDu_W", calib::DtmfFuDu_W, 0, kFullByte),
    One("FuDu1750_W", calib::FuDu1750_W, 0, kFullByte),
    One("CtcPinPian_W", calib::CtcPinPian_W, 0, 63),
    One("DcsPinPian_W", calib::DcsPinPian_W, 0, 63),
    One("PinPian_N", calib::PinPian_N, 0, 1023),
    One("PinPian_N_Spe_1", calib::PinPian_N_Spe_1, 0, 1023),
    One("PinPian_N_Spe_2", calib::PinPian_N_Spe_2, 0, 1023),
    One("DtmfFuDu_N", calib::DtmfFuDu_N, 0, kFullByte),
    One("FuDu1750_N", calib::FuDu1750_N, 0, kFullByte),
    One("CtcPinPian_N", calib::CtcPinPian_N, 0, 63),
    One("DcsPinPian_N", calib::DcsPinPian_N, 0, 63),
    One("SQL_L1", calib::SQL_L1, 0, kFullByte),
    One("SQL_L4", calib::SQL_L4, 0, kFullByte),
    One("SQL_L9", calib::SQL_L9, 0, kFullByte),
    One("VOX_L1", calib::VOX_L1, 0, kFullByte),
    One("VOX_L9", calib::VOX_L9, 0, kFullByte),
    One("Batt_L0_Wait", calib::Batt_L0_Wait, 0, kFullByte),
    One("Batt_L1_Wait", calib::Batt_L1_Wait, 0, kFullByte),
    One("Batt_L2_Wait", calib::Batt_L2_Wait, 0, kFullByte),
    One("Batt_L0_Tx", calib::Batt_L0_Tx, 0, kFullByte),
    One("Batt_L1_Tx", calib::Batt_L1_Tx, 0, kFullByte),
    One("Batt_L2_Tx", calib::Batt_L2_Tx, 0, kFullByte),
    One("Batt_High", calib::Batt_High, 0, kFullByte),
    One("Xtal_PP", calib::Xtal_PP, 0, kFullByte),
    One("MicGainFine", calib::MicGainFine, 0, 127),
    One("MicGain", calib::MicGain, 0, 15),
    One("Pga", calib::Pga, 0, 31),
    One("Noise_th", calib::Noise_th, 0, kFullByte),
    One("Modu_th", calib::Modu_th, 0, kFullByte),
    One("Pkdet_th", calib::Pkdet_th, 0, kFullByte),
    One("Pkdet_th_nar", calib::Pkdet_th_nar, 0, kFullByte),
    One("Rssi3_th", calib::Rssi3_th, 0, kFullByte),
    One("Noise2_th", calib::Noise2_th, 0, kFullByte),
    One("Modu_dten", calib::Modu_dten, 0, 1),
    One("Pkdet_dten", calib::Pkdet_dten, 0, 1),
    One("Noise_th_nar", calib::Noise_th_nar, 0, kFullByte),
    Table("Batt_Tbl", calib::Batt_Tbl, false, 0, kFullByte),
    Table("SQ_offset", calib::SQ_offset, true, -50, 50),
    Table("SQ_offset_nar", calib::SQ_offset_nar, true, -50, 50),
    One("Batt_PowerOn", calib::Batt_PowerOn, 0, kFullByte),
    One("BattLowPowerOff", calib::BattLowPowerOff, 0, 1),
    One("Xtal1846", calib::Xtal1846, 0, 1),
    Table("Vol1846", calib::Vol1846, false, 0, kFullByte),
    // A radio whose ageing frequency was never set holds 0.
    {"FreqAging", calib::FreqAging.offset, 4, false, 1, 4, 100000000, 600000000, true, true},
};

bool IsInRange(const CalibrationRange& range, int64_t value) {
    if (range.zeroMeansUnset && value == 0) {
        return true;
    }
    if (value < range.min || value > range.max) {
        return false;
    }
    return !range.onRaster || RasterStepOf(static_cast<uint32_t>(value)) != RasterStep::Off;
}

std::string EntryName(const CalibrationRange& range, int entry) {
    if (range.count == 1) {
        return range.name;
    }
    // "Point.Freq" of point 2 is "Point[2].Freq"; a table's row 8 is "SQ_offset[8]".
    const std::string name = range.name;
    const std::string index = "[" + std::to_string(entry) + "]";
    const size_t dot = name.find('.');
    return dot == std::string::npos ? name + index : name.substr(0, dot) + index + name.substr(dot);
}

}  // namespace

std::span<const CalibrationRange> CalibrationRanges() {
    return kRanges;
}

int64_t CalibrationValue(const CalibrationData& calibration, const CalibrationRange& range,
                         int entry) {
    const auto bytes =
        calibration.Raw().subspan(range.offset + range.stride * static_cast<size_t>(entry));
    uint32_t value = 0;
    for (size_t k = range.width; k-- > 0;) {
        value = (value << 8) | bytes[k];
    }
    if (range.isSigned) {
        return static_cast<int8_t>(value);
    }
    return value;
}

std::vector<OutOfRangeValue> OutOfRangeValues(const CalibrationData& calibration) {
    std::vector<OutOfRangeValue> outside;
    for (const CalibrationRange& range : kRanges) {
        for (int entry = 0; entry < range.count; ++entry) {
            const int64_t value = CalibrationValue(calibration, range, entry);
            if (!IsInRange(range, value)) {
                outside.push_back({&range, entry, value});
            }
        }
    }
    return outside;
}

std::string DescribeOutOfRange(const OutOfRangeValue& value) {
    const CalibrationRange& range = *value.range;
    std::string text = EntryName(range, value.entry) + " = " + std::to_string(value.value) + " (" +
                       std::to_string(range.min) + ".." + std::to_string(range.max);
    if (range.onRaster) {
        text += " on the channel raster";
    }
    return text + ")";
}

std::optional<uint8_t> SingleByteValue(const CalibrationData& calibration) {
    const auto bytes = calibration.Raw();
    if (std::ranges::all_of(bytes, [&](uint8_t b) { return b == bytes.front(); })) {
        return bytes.front();
    }
    return std::nullopt;
}

}  // namespace radioprog
