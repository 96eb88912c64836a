#pragma once
// Frequency text, the channel raster and the band checks.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/BandLimits.h"

namespace radioprog {

// "146.52000" style: three megahertz digits, point, five digits (1 Hz dropped); 0 gives "0".
std::string FreqToText(uint32_t hz);

// Megahertz text of digits with at most one point. Empty text or a text ending with the
// point is not a number: nullopt, and the caller stores nothing. Values beyond a u32 of
// hertz saturate so that the band clamp puts them on the upper limit.
std::optional<uint32_t> TextToFreq(std::string_view text);

// The channel raster: multiples of 5 kHz, and multiples of 6.25 kHz between them.
enum class RasterStep { Off, Of5kHz, Of6250Hz };
// The raster step that reaches hz from zero: 5 kHz where it does, else 6.25 kHz where that
// does, Off when neither. Whatever decides whether a frequency (or a tuning step) is on the
// raster asks this, so that the grid, the lists and the exports agree.
RasterStep RasterStepOf(uint32_t hz);

// Clamp to the band, then keep multiples of 5 kHz and round others down to 6.25 kHz.
uint32_t SnapToBand(uint32_t hz, const BandLimits& band);
// The same raster between 100 and 600 MHz, for calibration frequencies.
uint32_t SnapToCalibrationRange(uint32_t hz);

// Whether both limits lie in 136-174, 200-260 or 300-520 MHz.
bool IsBandEdgeValid(uint32_t lower, uint32_t upper);

// A band limit typed by service staff, forced into 136-174, 200-260 or 320-520 MHz (a gap
// goes down to the top of the range below it) and put on the channel raster.
uint32_t ClampBandEdge(uint32_t hz);

}  // namespace radioprog
