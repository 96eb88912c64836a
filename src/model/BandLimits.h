#pragma once

#include <cstdint>

namespace radioprog {

// The working frequency band in Hz; every frequency check and snap uses it.
struct BandLimits {
    uint32_t lower = 400000000;
    uint32_t upper = 480000000;

    friend bool operator==(const BandLimits&, const BandLimits&) = default;
};

}  // namespace radioprog
