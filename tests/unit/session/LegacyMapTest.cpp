#include "session/LegacyMapConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "MemoryMapTestSupport.h"

namespace radioprog {
namespace {

TEST(LegacyKeyCodes, BothDirections) {
    struct Case {
        uint8_t function;
        uint8_t key1Code;
        uint8_t key2Code;
    };
    const Case toRadio[] = {{2, 4, 4}, {3, 5, 5}, {24, 2, 0}, {25, 8, 8},
                            {0, 0, 0}, {8, 0, 0}, {255, 0, 0}};
    for (const Case& c : toRadio) {
        EXPECT_EQ(KeyToLegacyCode(c.function, true), c.key1Code) << int(c.function);
        EXPECT_EQ(KeyToLegacyCode(c.function, false), c.key2Code) << int(c.function);
    }
    const Case fromRadio[] = {{4, 2, 2}, {5, 3, 3}, {2, 24, 0},  {8, 25, 25},
                              {0, 0, 0}, {1, 0, 0}, {0xFF, 0, 0}};
    for (const Case& c : fromRadio) {
        EXPECT_EQ(KeyFromLegacyCode(c.function, true), c.key1Code) << int(c.function);
        EXPECT_EQ(KeyFromLegacyCode(c.function, false), c.key2Code) << int(c.function);
    }
}

// A legacy-compatible image: what the legacy map carries is representable, and what a
// legacy read resets already has the value the read gives it.
ProjectImage LegacyImage(std::mt19937& random) {
    ProjectImage image = testing::RandomImage(random, 10);
    image.Set(settings::Tot, static_cast<uint16_t>(15 * (random() % 256)));
    const uint8_t key1[] = {0, 2, 3, 24, 25};
    const uint8_t key2[] = {0, 2, 3, 25};
    image.Set(settings::Key1Short, key1[random() % 5]);
    image.Set(settings::Key2Short, key2[random() % 4]);
    image.Set(settings::SavingRate, uint8_t{3});
    std::ranges::fill(image.Field(image::DeviceSn), uint8_t{0});
    return image;
}

void ClobberLegacyFields(ProjectImage& image) {
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            image.SetChannelValid(n, true);
            continue;
        }
        ChannelRecord ch = image.Channel(n);
        ch.SetRxFreq(1);
        ch.SetTxFreq(1);
        ch.SetRxTone(3, 1);
        ch.SetTxTone(3, 1);
        ch.SetFlagsA(static_cast<uint8_t>(~ch.FlagsA()));
        ch.SetFlagsB(static_cast<uint8_t>(~ch.FlagsB()));
        ch.SetFlagsC(static_cast<uint8_t>(~ch.FlagsC()));
        ch.SetFlagsD(static_cast<uint8_t>(~ch.FlagsD()));
    }
    for (U8Field f :
         {settings::Toa, settings::Beep, settings::Saving, settings::Sql, settings::Voice,
          settings::Key1Short, settings::Key2Short, settings::SavingRate}) {
        image.Set(f, static_cast<uint8_t>(image.Get(f) + 1));
    }
    image.Set(settings::Tot, static_cast<uint16_t>(image.Get(settings::Tot) + 1));
    image.SetText(image::DeviceSn, "SN123456");
}

TEST(LegacyMap, RoundTripCarriesEveryMappedFieldAndNothingElse) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        const ProjectImage original = LegacyImage(random);
        auto memory = std::make_unique<RadioMemory>();
        GetDataForWrite_old(original, *memory);

        ProjectImage read = original;
        ClobberLegacyFields(read);
        LastWriteTime time{2020, 1, 2, 3, 4};
        SetDataToSoftware_old(*memory, read, time);
        for (size_t i = 0; i < kProjectImageSize; ++i) {
            ASSERT_EQ(read.Raw()[i], original.Raw()[i]) << "offset " << i << " seed " << seed;
        }
        EXPECT_EQ(time, LastWriteTime{});
    }
}

TEST(LegacyMap, WriteLayout) {
    ProjectImage image;
    image.ResetToDefaults();
    image.SetChannelValid(2, true);
    ChannelRecord ch = image.Channel(2);
    ch.InitialiseNew(438006250);
    ch.SetRxTone(kToneCtcss, 885);
    ch.SetFlagsC(0x12);
    image.Set(settings::Key1Short, uint8_t{24});
    image.Set(settings::Key2Short, uint8_t{24});  // not a second-key function there
    auto memory = std::make_unique<RadioMemory>();
    GetDataForWrite_old(image, *memory);
    const std::span<const uint8_t> m(memory->bytes);
    auto bytes = [&](size_t at, size_t n) { return std::vector<uint8_t>(&m[at], &m[at] + n); };

    EXPECT_EQ(bytes(32, 16), (std::vector<uint8_t>{0x25, 0x06, 0x80, 0x43, 0x25, 0x06, 0x80, 0x43,
                                                   0x75, 0x03, 0xFF, 0xFF, 0x00, 0xB0, 0x12, 0}));
    EXPECT_EQ(bytes(16, 16), std::vector<uint8_t>(16, 0xFF));  // channel 1 unused
    EXPECT_EQ(m[0x011D], 2);
    EXPECT_EQ(m[0x011E], 0);
    EXPECT_EQ(m[0x012F], 1);   // Voice
    EXPECT_EQ(m[0x0130], 12);  // 180 s / 15
    EXPECT_EQ(m[0x0131], 5);
    EXPECT_EQ(m[0x0134], 5);
    EXPECT_EQ(m[0x0135], 1);
    EXPECT_EQ(m[0x0136], 1);
    EXPECT_EQ(bytes(0x017E, 2), (std::vector<uint8_t>{0x02, 0x00}));
    EXPECT_EQ(m[0x0132], 0xFF);
    EXPECT_EQ(m[0x01FF], 0xFF);
    EXPECT_EQ(m[0], 0xFF);
}

TEST(LegacyMap, ReadResetsWhatTheLayoutLacks) {
    auto memory = std::make_unique<RadioMemory>();
    memory->bytes.fill(0xFF);
    memory->bytes[16 * 5 + 3] = 0x00;  // an empty record with a zero marker
    memory->bytes[0x0130] = 0xFF;      // longest time-out the byte can hold
    ProjectImage image;
    image.ResetToDefaults();
    image.Set(settings::SavingRate, uint8_t{9});
    image.SetText(image::DeviceSn, "ABCDEFGH");
    image.SetChannelValid(5, true);
    LastWriteTime time{2023, 12, 31, 23, 59};
    SetDataToSoftware_old(*memory, image, time);
    EXPECT_EQ(image.Get(settings::SavingRate), 3);
    EXPECT_EQ(image.Text(image::DeviceSn), "");
    EXPECT_EQ(time, LastWriteTime{});
    EXPECT_EQ(image.Get(settings::Tot), 255 * 15);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_FALSE(image.IsChannelValid(n));
    }
}

TEST(LegacyMap, RandomMemoryReadsSafely) {
    std::mt19937 random(8);
    for (int round = 0; round < 200; ++round) {
        auto memory = std::make_unique<RadioMemory>();
        for (auto& b : memory->bytes) {
            b = static_cast<uint8_t>(random());
        }
        ProjectImage image;
        LastWriteTime time;
        SetDataToSoftware_old(*memory, image, time);
        for (int n = 1; n <= kChannelCount; ++n) {
            const uint8_t marker = memory->bytes[16 * n + 3];
            EXPECT_EQ(image.IsChannelValid(n), marker != 0 && marker != 0xFF);
        }
    }
}

}  // namespace
}  // namespace radioprog
