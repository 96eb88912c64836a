#pragma once
// Tables derived from a calibration block and kept for the whole run: the points that the
// per-channel power and tuning bytes are interpolated from, the squelch offset per
// frequency segment, and the squelch and VOX thresholds per level.

#include <array>
#include <cstdint>

#include "model/BandLimits.h"

namespace radioprog {

struct PointTableEntry {
    uint16_t mhz = 0;  // 0: point not in use
    uint8_t PowerH = 0;
    uint8_t PowerL = 0;
    uint8_t Tune = 0;
    friend bool operator==(const PointTableEntry&, const PointTableEntry&) = default;
};

enum class PointColumn { PowerH, PowerL, Tune };

inline constexpr int kPointTableSize = 5;
inline constexpr int kSegmentCount = 12;
inline constexpr int kLevelCount = 10;

struct CalibrationTables {
    std::array<PointTableEntry, kPointTableSize> PointTable{};
    std::array<int8_t, kSegmentCount> SegmentTableWide{};
    std::array<int8_t, kSegmentCount> SegmentTableNarrow{};
    std::array<uint8_t, kLevelCount> SquelchOpenTable{};
    std::array<uint8_t, kLevelCount> SquelchCloseTable{};
    std::array<uint8_t, kLevelCount> VoxLevelTable{};
    friend bool operator==(const CalibrationTables&, const CalibrationTables&) = default;
};

// The column value at hz (whole MHz), linearly between the two points around it; below the
// first point it is point 0's value. Points with equal MHz give the upper point's value.
uint8_t InterpolatePoint(const CalibrationTables& tables, uint32_t hz, PointColumn column);

// The squelch offset of the frequency segment hz falls in: 12 segments of 5 MHz below
// 200 MHz and 10 MHz above, counted from the band's lower limit.
int8_t SegmentValue(const CalibrationTables& tables, const BandLimits& band, uint32_t hz,
                    bool wide);

}  // namespace radioprog
