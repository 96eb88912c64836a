#include "model/ProjectImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "model/ProjectFields.h"
#include "model/ToneCodec.h"

namespace radioprog {
namespace {

TEST(ProjectImage, NewImageHasDocumentedDefaultsAndNothingInUse) {
    ProjectImage image;
    image.Raw()[0] = 0x55;  // a reserved byte
    image.SetChannelValid(3, true);
    image.SetEntryValid(16, true);
    image.ResetToDefaults();

    EXPECT_EQ(image.Raw()[0], 0);
    for (int n = 0; n <= 17; ++n) {
        EXPECT_FALSE(image.IsChannelValid(n)) << n;
        EXPECT_FALSE(image.IsEntryValid(n)) << n;
    }
    using namespace settings;
    EXPECT_EQ(image.Get(Sql), 5);
    EXPECT_EQ(image.Get(Tot), 180);
    EXPECT_EQ(image.Get(VoxDelay), 2000);
    EXPECT_EQ(image.Get(SavingRate), 3);
    EXPECT_EQ(image.Get(AlarmCode), 6000);
    EXPECT_EQ(image.Get(Key1Short), 8);
    EXPECT_EQ(image.Get(Key2Short), 3);
    EXPECT_EQ(image.Get(DtmfId), 1);
    EXPECT_EQ(image.Get(Pretime), 500);
    EXPECT_EQ(image.Get(MiJingDelay), 50);
    EXPECT_EQ(image.Get(image::WriteNewPasswordWithData), 0);
}

TEST(ProjectImage, DefaultsLandAtTheirFileOffsets) {
    ProjectImage image;
    image.ResetToDefaults();
    const auto raw = image.Raw();
    // Little-endian 2000 at 2768, 180 at 2770, 6000 at 2901: the file layout others rely on.
    EXPECT_EQ(raw[2768], 0xD0);
    EXPECT_EQ(raw[2769], 0x07);
    EXPECT_EQ(raw[2770], 180);
    EXPECT_EQ(raw[2771], 0);
    EXPECT_EQ(raw[2901], 0x70);
    EXPECT_EQ(raw[2902], 0x17);
    EXPECT_EQ(raw[2751], 5);
}

// The whole "new" block byte for byte: every default at its file offset, everything else zero,
// whatever the block held before.
TEST(ProjectImage, NewImageIsExactlyTheDefaultsAtTheirOffsets) {
    struct Default {
        size_t offset;
        size_t size;
        uint16_t value;
    };
    const Default defaults[] = {
        {2742, 1, 1},   {2751, 1, 5},   {2752, 1, 3},   {2760, 1, 3},    {2768, 2, 2000},
        {2770, 2, 180}, {2773, 1, 5},   {2777, 1, 1},   {2783, 1, 1},    {2785, 1, 1},
        {2786, 1, 3},   {2790, 1, 1},   {2796, 1, 3},   {2800, 2, 1},    {2802, 1, 1},
        {2803, 1, 1},   {2806, 1, 100}, {2807, 1, 100}, {2808, 2, 100},  {2810, 2, 500},
        {2812, 2, 50},  {2889, 1, 1},   {2893, 1, 5},   {2894, 1, 10},   {2895, 1, 2},
        {2896, 1, 1},   {2897, 1, 8},   {2899, 1, 3},   {2901, 2, 6000},
    };
    std::array<uint8_t, kProjectImageSize> expected{};
    for (const Default& d : defaults) {
        expected[d.offset] = static_cast<uint8_t>(d.value);
        if (d.size == 2) {
            expected[d.offset + 1] = static_cast<uint8_t>(d.value >> 8);
        }
    }
    ProjectImage image;
    std::fill(image.Raw().begin(), image.Raw().end(), uint8_t{0xA5});
    image.ResetToDefaults();
    for (size_t i = 0; i < kProjectImageSize; ++i) {
        EXPECT_EQ(image.Raw()[i], expected[i]) << "offset " << i;
    }
}

TEST(ProjectImage, ValidBitsAreLeastSignificantFirstAndIgnoreOutOfRange) {
    ProjectImage image;
    image.SetChannelValid(1, true);
    image.SetChannelValid(8, true);
    image.SetChannelValid(16, true);
    image.SetChannelValid(0, true);   // ignored
    image.SetChannelValid(17, true);  // ignored
    const auto valid = image.Field(image::ChannelValid);
    EXPECT_EQ(valid[0], 0x02);
    EXPECT_EQ(valid[1], 0x01);
    EXPECT_EQ(valid[2], 0x01);
    for (size_t i = 3; i < valid.size(); ++i) {
        EXPECT_EQ(valid[i], 0);
    }
    EXPECT_TRUE(image.IsChannelValid(16));
    EXPECT_FALSE(image.IsChannelValid(17));
    image.SetChannelValid(8, false);
    EXPECT_FALSE(image.IsChannelValid(8));
    EXPECT_TRUE(image.IsChannelValid(1));

    image.SetEntryValid(9, true);
    EXPECT_EQ(image.Field(image::AddrBookValid)[1], 0x02);
}

TEST(ProjectImage, ChannelFieldsAreLittleEndianAtTheirRecordOffsets) {
    ProjectImage image;
    auto ch = image.Channel(2);
    ch.SetRxFreq(438006250);
    ch.SetTxTone(kToneDcsInverted, 0x2813);
    ch.SetBusyFit(2);
    ch.SetSquelchMode(4);
    ch.SetHighPower(true);
    const size_t start = image::ChannelsStart + 2 * image::ChannelRecordSize;
    const auto raw = image.Raw();
    EXPECT_EQ(raw[start + 0], 0xEA);  // 438006250 = 0x1A1B5AEA
    EXPECT_EQ(raw[start + 3], 0x1A);
    EXPECT_EQ(raw[start + 41], 0x13);
    EXPECT_EQ(raw[start + 42], 0x28);
    EXPECT_EQ(raw[start + 43], 3);
    EXPECT_EQ(raw[start + 57], 0x14);  // squelch mode 4, busy fit 2
    EXPECT_EQ(raw[start + 58], 0x20);
    EXPECT_EQ(ch.BusyFit(), 2);
    EXPECT_EQ(ch.SquelchMode(), 4);
}

TEST(ProjectImage, NewChannelRebuildsDefaultsButKeepsTheName) {
    ProjectImage image;
    auto ch = image.Channel(5);
    image.SetText({image::ChannelsStart + 5 * image::ChannelRecordSize + 61, 6}, "ABCDEF");
    ch.SetFlagsA(0xFF);
    ch.SetFlagsC(7);
    ch.SetRxTone(kToneCtcss, 885);
    ch.InitialiseNew(146520000);
    EXPECT_EQ(ch.RxFreq(), 146520000u);
    EXPECT_EQ(ch.TxFreq(), 146520000u);
    EXPECT_EQ(ch.RxToneType(), 0);
    EXPECT_EQ(ch.RxToneCode(), 0);
    EXPECT_EQ(ch.FlagsA(), 0);
    EXPECT_EQ(ch.FlagsB(), 0xB0);
    EXPECT_EQ(ch.FlagsC(), 0);
    EXPECT_TRUE(ch.Wide() && ch.HighPower() && ch.ScanAdd());
    EXPECT_EQ(image.Text({image::ChannelsStart + 5 * image::ChannelRecordSize + 61, 6}), "ABCDEF");
}

TEST(ProjectImage, TextFieldsAreZeroFilledAndTruncated) {
    ProjectImage image;
    image.SetText(image::UnlockPassword, "secret");
    EXPECT_EQ(image.Text(image::UnlockPassword), "secret");
    EXPECT_EQ(image.Raw()[83 + 6], 0);
    image.SetText(image::DeviceSn, "0123456789");
    EXPECT_EQ(image.Text(image::DeviceSn), "01234567");  // full field, no terminator
    EXPECT_EQ(image.Raw()[82], 0);                       // the neighbour is untouched
}

}  // namespace
}  // namespace radioprog
