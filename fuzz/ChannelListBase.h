#pragma once
// The project channel-list imports start from in the fuzz targets: three channels in use, one
// of them on low power, so that a field a list does not carry has something to keep.

#include <algorithm>

#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog::fuzz {

inline constexpr BandLimits kListBand{136000000, 174000000};

inline ProjectImage ListBaseImage() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n : {1, 5, 16}) {
        auto channel = image.Channel(n);
        channel.InitialiseNew(146000000 + 12500 * static_cast<uint32_t>(n));
        channel.SetHighPower(n != 5);
        image.SetChannelValid(n, true);
    }
    return image;
}

inline bool SameImage(const ProjectImage& a, const ProjectImage& b) {
    return std::ranges::equal(a.Raw(), b.Raw());
}

}  // namespace radioprog::fuzz
