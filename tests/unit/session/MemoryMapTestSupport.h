#pragma once
// Project images full of random bytes whose channels and settings hold values that the
// radio's maps can carry exactly, so a round trip must give the image back byte for byte.

#include <algorithm>
#include <random>

#include "model/ProjectFields.h"
#include "model/ProjectImage.h"
#include "model/ToneCodec.h"
#include "session/RadioMemoryMap.h"

namespace radioprog::testing {

inline Tone RandomTone(std::mt19937& random) {
    const auto& ctcss = CtcssTable();
    const auto& dcs = DcsTable();
    switch (random() % 4) {
        case 0:
            return {kToneNone, 0};
        case 1:
            return {kToneCtcss, ctcss[random() % ctcss.size()]};
        case 2:
            return {kToneDcsNormal,
                    static_cast<uint16_t>(kDcsCodeBase + dcs[random() % dcs.size()])};
        default:
            return {kToneDcsInverted,
                    static_cast<uint16_t>(kDcsCodeBase + dcs[random() % dcs.size()])};
    }
}

// Every byte random, then channels valid at random with frequencies on the given raster
// between 136 and 520 MHz and standard tones; the valid set holds only channels 1 to 16.
inline ProjectImage RandomImage(std::mt19937& random, uint32_t rasterHz) {
    ProjectImage image;
    for (auto& b : image.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    std::ranges::fill(image.Field(image::ChannelValid), uint8_t{0});
    std::uniform_int_distribution<uint32_t> steps(136000000 / rasterHz, 520000000 / rasterHz);
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, random() % 4 != 0);
        ChannelRecord ch = image.Channel(n);
        ch.SetRxFreq(steps(random) * rasterHz);
        ch.SetTxFreq(steps(random) * rasterHz);
        const Tone rx = RandomTone(random);
        const Tone tx = RandomTone(random);
        ch.SetRxTone(rx.type, rx.code);
        ch.SetTxTone(tx.type, tx.code);
    }
    return image;
}

}  // namespace radioprog::testing
