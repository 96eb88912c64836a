#pragma once
// Which frequencies the squelch-offset rows of the calibration window stand for: one row per
// step from the band's lower edge up to its upper edge, kept inside the calibrated ranges.

#include <vector>

#include "model/BandLimits.h"

namespace radioprog {

inline constexpr int kSquelchOffsetRowCount = 13;

// The row frequencies in whole MHz, row 0 first; never empty and never more than 13.
std::vector<int> SquelchOffsetRowFrequencies(const BandLimits& band);

}  // namespace radioprog
