#pragma once
// Images for channel list tests: ones whose every channel field a text can carry exactly, and
// a field-by-field comparison of the channels a list carries.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "channellist/ChannelColumns.h"
#include "lang/TextCodec.h"
#include "unit/session/MemoryMapTestSupport.h"

namespace radioprog::testing {

// A band wide enough that every random raster frequency lies inside it.
inline constexpr BandLimits kWholeRange{136000000, 520000000};

// Random bytes everywhere, channels on the 6.25 kHz raster with standard tones, names of up
// to six bytes in the radio's character set, every flag bit random.
inline ProjectImage RepresentableImage(std::mt19937& random) {
    ProjectImage image = RandomImage(random, 6250);
    const std::string pieces[] = {"A", "z", "0", " ", ",", "\"", "-", "中", "文", "頻"};
    for (int n = 1; n <= kChannelCount; ++n) {
        std::string name;
        for (int k = 0; k < 4; ++k) {
            const std::string& piece = pieces[random() % std::size(pieces)];
            const auto bytes = EncodeCodePage(piece, CodePage::Gbk);
            if (bytes && name.size() + bytes->size() <= channel::Name.size) {
                name += *bytes;
            }
        }
        image.SetText(ChannelNameField(n), name);
        if (random() % 5 == 0) {
            image.Channel(n).SetTxFreq(0);
        }
    }
    return image;
}

// Every field of every channel the list carries: use, frequencies, tones, words and name.
inline void ExpectSameChannels(const ProjectImage& actual, const ProjectImage& expected,
                               const std::string& context) {
    for (int n = 1; n <= kChannelCount; ++n) {
        ASSERT_EQ(actual.IsChannelValid(n), expected.IsChannelValid(n)) << context << " ch " << n;
        if (!expected.IsChannelValid(n)) {
            continue;
        }
        const ConstChannelRecord a = actual.Channel(n);
        const ConstChannelRecord e = expected.Channel(n);
        EXPECT_EQ(a.RxFreq(), e.RxFreq()) << context << " ch " << n;
        EXPECT_EQ(a.TxFreq(), e.TxFreq()) << context << " ch " << n;
        EXPECT_EQ(a.RxToneType(), e.RxToneType()) << context << " ch " << n;
        EXPECT_EQ(a.TxToneType(), e.TxToneType()) << context << " ch " << n;
        if (e.RxToneType() != kToneNone) {
            EXPECT_EQ(a.RxToneCode(), e.RxToneCode()) << context << " ch " << n;
        }
        if (e.TxToneType() != kToneNone) {
            EXPECT_EQ(a.TxToneCode(), e.TxToneCode()) << context << " ch " << n;
        }
        EXPECT_EQ(a.SquelchMode(), e.SquelchMode()) << context << " ch " << n;
        EXPECT_EQ(a.BusyFit(), e.BusyFit()) << context << " ch " << n;
        EXPECT_EQ(a.Dtmf(), e.Dtmf()) << context << " ch " << n;
        EXPECT_EQ(a.Wide(), e.Wide()) << context << " ch " << n;
        EXPECT_EQ(a.HighPower(), e.HighPower()) << context << " ch " << n;
        EXPECT_EQ(a.ScanAdd(), e.ScanAdd()) << context << " ch " << n;
        EXPECT_EQ(actual.Text(ChannelNameField(n)), expected.Text(ChannelNameField(n)))
            << context << " ch " << n;
    }
}

}  // namespace radioprog::testing
