#include "session/CalibrationTables.h"

namespace radioprog {

namespace {

constexpr uint32_t kHzPerMHz = 1000000;
constexpr uint64_t kFineSegmentHz = 5000000;
constexpr uint64_t kCoarseSegmentHz = 10000000;
constexpr uint64_t kFineSegmentsBelowHz = 200000000;

int ColumnValue(const PointTableEntry& point, PointColumn column) {
    switch (column) {
        case PointColumn::PowerH:
            return point.PowerH;
        case PointColumn::PowerL:
            return point.PowerL;
        case PointColumn::Tune:
            return point.Tune;
    }
    return 0;
}

uint64_t SegmentStep(uint64_t boundary) {
    return boundary < kFineSegmentsBelowHz ? kFineSegmentHz : kCoarseSegmentHz;
}

}  // namespace

uint8_t InterpolatePoint(const CalibrationTables& tables, uint32_t hz, PointColumn column) {
    const auto& points = tables.PointTable;
    const int m = static_cast<int>(hz / kHzPerMHz);
    int i = kPointTableSize - 1;
    for (int k = 0; k < kPointTableSize; ++k) {
        if (m <= points[k].mhz) {
            i = k;
            break;
        }
    }
    if (i == 0) {
        return static_cast<uint8_t>(ColumnValue(points[0], column));
    }
    const PointTableEntry& lo = points[i - 1];
    const PointTableEntry& hi = points[i];
    const int a = ColumnValue(lo, column);
    const int b = ColumnValue(hi, column);
    // Points out of order give a negative span; only equal points would divide by zero.
    const int span = hi.mhz - lo.mhz;
    if (span == 0) {
        return static_cast<uint8_t>(b);
    }
    if (a <= b) {
        const int d = (m - lo.mhz) & 0xFF;
        return static_cast<uint8_t>(a + (b - a) * d / span);
    }
    const int d = (hi.mhz - m) & 0xFF;
    return static_cast<uint8_t>(b + (a - b) * d / span);
}

int8_t SegmentValue(const CalibrationTables& tables, const BandLimits& band, uint32_t hz,
                    bool wide) {
    // 64 bits: a lower limit near the top of a u32 must not wrap the boundary round.
    const uint64_t lower = band.lower;
    const uint64_t step = SegmentStep(lower);
    uint64_t boundary = lower / step * step + step;
    int i = 0;
    while (boundary <= hz && i < kSegmentCount) {
        boundary += SegmentStep(boundary);
        ++i;
    }
    if (i == kSegmentCount) {
        i = kSegmentCount - 1;
    }
    return wide ? tables.SegmentTableWide[i] : tables.SegmentTableNarrow[i];
}

}  // namespace radioprog
