#include "model/FreqCodec.h"

#include <cstdio>
#include <limits>

namespace radioprog {

namespace {

constexpr uint32_t kHzPerMHz = 1000000;
constexpr uint32_t kKeptStep = 5000;
constexpr uint32_t kRasterStep = 6250;
constexpr uint32_t kCalibrationLower = 100000000;
constexpr uint32_t kCalibrationUpper = 600000000;
constexpr int kFractionDigits = 6;  // down to 1 Hz
constexpr uint64_t kU32Max = std::numeric_limits<uint32_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

// Whole megahertz as hertz, saturated once it no longer fits a u32.
uint64_t WholeMegahertzToHz(std::string_view digits) {
    uint64_t mhz = 0;
    for (char c : digits) {
        mhz = mhz * 10 + static_cast<uint64_t>(c - '0');
        if (mhz > kU32Max / kHzPerMHz) {
            return kU32Max + 1;
        }
    }
    return mhz * kHzPerMHz;
}

uint64_t FractionToHz(std::string_view digits) {
    uint64_t hz = 0;
    int used = 0;
    for (; used < kFractionDigits && used < static_cast<int>(digits.size()); ++used) {
        hz = hz * 10 + static_cast<uint64_t>(digits[used] - '0');
    }
    for (; used < kFractionDigits; ++used) {
        hz *= 10;
    }
    return hz;
}

uint32_t SnapToRaster(uint32_t hz) {
    return RasterStepOf(hz) == RasterStep::Off ? hz - hz % kRasterStep : hz;
}

bool IsInUsableRange(uint32_t hz) {
    if (hz < 136000000 || hz > 520000000) {
        return false;
    }
    if (hz > 174000000 && hz < 200000000) {
        return false;
    }
    return !(hz > 260000000 && hz < 300000000);
}

}  // namespace

std::string FreqToText(uint32_t hz) {
    if (hz == 0) {
        return "0";
    }
    // At least three megahertz digits; frequencies of 1000 MHz and more keep all of theirs.
    char text[16];
    std::snprintf(text, sizeof text, "%03u.%05u", static_cast<unsigned>(hz / kHzPerMHz),
                  static_cast<unsigned>(hz % kHzPerMHz / 10));
    return text;
}

std::optional<uint32_t> TextToFreq(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (text.empty() || text.back() == '.' || !AllDigits(whole) || !AllDigits(fraction)) {
        return std::nullopt;
    }
    const uint64_t hz = WholeMegahertzToHz(whole) + FractionToHz(fraction);
    return static_cast<uint32_t>(hz > kU32Max ? kU32Max : hz);
}

RasterStep RasterStepOf(uint32_t hz) {
    if (hz % kKeptStep == 0) {
        return RasterStep::Of5kHz;
    }
    return hz % kRasterStep == 0 ? RasterStep::Of6250Hz : RasterStep::Off;
}

uint32_t SnapToBand(uint32_t hz, const BandLimits& band) {
    if (hz < band.lower) {
        hz = band.lower;
    } else if (hz > band.upper) {
        hz = band.upper;
    }
    return SnapToRaster(hz);
}

uint32_t SnapToCalibrationRange(uint32_t hz) {
    return SnapToBand(hz, BandLimits{kCalibrationLower, kCalibrationUpper});
}

bool IsBandEdgeValid(uint32_t lower, uint32_t upper) {
    return IsInUsableRange(lower) && IsInUsableRange(upper);
}

uint32_t ClampBandEdge(uint32_t hz) {
    if (hz < 136000000) {
        return 136000000;
    }
    if (hz > 174000000 && hz < 200000000) {
        return 174000000;
    }
    if (hz > 260000000 && hz < 320000000) {
        return 260000000;
    }
    if (hz > 520000000) {
        return 520000000;
    }
    // Inside a range only the raster applies; rounding down never leaves the range.
    return SnapToCalibrationRange(hz);
}

}  // namespace radioprog
