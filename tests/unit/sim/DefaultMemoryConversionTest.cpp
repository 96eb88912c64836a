// A fresh simulated radio must read into the tool as the radio it claims to be.

#include <gtest/gtest.h>

#include <algorithm>

#include "RadioSimulator.h"
#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"

namespace radioprog {
namespace {

struct ExpectedChannel {
    uint32_t hz;
    uint8_t rxToneType;
    uint16_t rxToneCode;
    uint8_t txToneType;
    bool wide;
    bool highPower;
};
constexpr std::array<ExpectedChannel, 4> kChannels = {{
    {400025000, 0, 0, 0, true, true},
    {438500000, 1, 885, 1, true, true},
    {446006250, 0, 0, 0, false, false},
    {462562500, 1, 885, 0, true, true},
}};

// The session's buffer as a read fills it: offset o holds radio address base + o.
RadioMemory AsRead(const std::vector<uint8_t>& radio, size_t base) {
    RadioMemory memory;
    std::copy_n(radio.begin() + base, memory.bytes.size(), memory.bytes.begin());
    return memory;
}

void ExpectChannels(ProjectImage& image, bool tones) {
    for (int n = 1; n <= kChannelCount; ++n) {
        SCOPED_TRACE(n);
        if (n > static_cast<int>(kChannels.size())) {
            EXPECT_FALSE(image.IsChannelValid(n));
            continue;
        }
        const ExpectedChannel& expected = kChannels[n - 1];
        ASSERT_TRUE(image.IsChannelValid(n));
        ChannelRecord channel = image.Channel(n);
        EXPECT_EQ(channel.RxFreq(), expected.hz);
        EXPECT_EQ(channel.TxFreq(), expected.hz);
        EXPECT_EQ(channel.Wide(), expected.wide);
        EXPECT_EQ(channel.HighPower(), expected.highPower);
        EXPECT_TRUE(channel.ScanAdd());
        if (tones) {
            EXPECT_EQ(channel.RxToneType(), expected.rxToneType);
            EXPECT_EQ(channel.RxToneCode(), expected.rxToneCode);
            EXPECT_EQ(channel.TxToneType(), expected.txToneType);
        }
    }
}

TEST(DefaultRadioMemory, CurrentRadiosReadAsFourChannelsOnTheUsualBand) {
    for (RadioKind kind : {RadioKind::S, RadioKind::Y}) {
        SCOPED_TRACE(kind == RadioKind::S ? "S" : "Y");
        ProjectImage image;
        BandLimits band{136000000, 174000000};
        LastWriteTime written;
        SetDataToSoftware(AsRead(DefaultRadioMemory(kind), 0x4000), kind == RadioKind::Y, image,
                          band, written);
        EXPECT_EQ(band, (BandLimits{400000000, 480000000}));
        ExpectChannels(image, true);
    }
}

TEST(DefaultRadioMemory, LegacyRadioReadsAsTheSameChannels) {
    ProjectImage image;
    LastWriteTime written;
    SetDataToSoftware_old(AsRead(DefaultRadioMemory(RadioKind::Legacy), 0), image, written);
    ExpectChannels(image, false);
}

}  // namespace
}  // namespace radioprog
