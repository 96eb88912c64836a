#include "calibration/SquelchOffsetRows.h"

#include <cstdint>

namespace radioprog {

namespace {

constexpr uint32_t kHzPerMHz = 1000000;
constexpr uint32_t kCoarseGrainFrom = 200000000;  // Hz; lower edges from here step by 10 MHz
constexpr int kFineStepUpTo = 170;                // MHz; rows up to here are 5 MHz apart

// The next row after p, moved out of the gaps between the calibrated ranges.
int NextRowFrequency(int p) {
    const int next = p <= kFineStepUpTo ? p + 5 : p + 10;
    if (next < 130) {
        return 130;
    }
    if (next >= 171 && next <= 199) {
        return 200;
    }
    if (next >= 261 && next <= 319) {
        return 320;
    }
    return next > 520 ? 520 : next;
}

}  // namespace

std::vector<int> SquelchOffsetRowFrequencies(const BandLimits& band) {
    const int grain = band.lower >= kCoarseGrainFrom ? 10 : 5;
    const int first = static_cast<int>(band.lower / kHzPerMHz) / grain * grain;
    const int last = static_cast<int>(band.upper / kHzPerMHz) / grain * grain;
    std::vector<int> rows = {first};
    for (int next = NextRowFrequency(first); next <= last && next > rows.back() &&
                                             static_cast<int>(rows.size()) < kSquelchOffsetRowCount;
         next = NextRowFrequency(next)) {
        // Once the top range is reached the step stays on 520 MHz; a second row of the same
        // frequency would edit an entry no channel uses, so the list ends there.
        rows.push_back(next);
    }
    return rows;
}

}  // namespace radioprog
