#include "calibration/CalibrationData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "model/ProjectFile.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

CalibrationData RandomCalibration(unsigned seed) {
    std::mt19937 random(seed);
    CalibrationData c;
    for (auto& b : c.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    return c;
}

struct BandPointsCase {
    BandLimits band;
    uint16_t low, middle, high;
};

class CalibrationDefaultPoints : public ::testing::TestWithParam<BandPointsCase> {};

TEST_P(CalibrationDefaultPoints, FollowTheBand) {
    const auto& p = GetParam();
    // Start from garbage: the reset must not leave anything of it behind.
    CalibrationData c = RandomCalibration(7);
    ResetCalibrationData(c, p.band);
    const uint16_t freqs[] = {p.low, p.middle, p.high};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.Point(i), (CalibrationPoint{freqs[i], 63, 0, 0, 0, 0})) << "point " << i;
    }
    EXPECT_EQ(c.Point(3), CalibrationPoint{});
    EXPECT_EQ(c.Point(4), CalibrationPoint{});
}

INSTANTIATE_TEST_SUITE_P(Bands, CalibrationDefaultPoints,
                         ::testing::Values(BandPointsCase{{400000000, 480000000}, 400, 440, 480},
                                           BandPointsCase{{136000000, 174000000}, 136, 155, 174},
                                           // The upper edge rounds up, the others down.
                                           BandPointsCase{{400500000, 470000001}, 400, 435, 471},
                                           // Limits in the wrong order still put the middle
                                           // point between them, not past 2000 MHz.
                                           BandPointsCase{{480000000, 400000000}, 480, 440, 400},
                                           BandPointsCase{{520000000, 136000000}, 520, 328, 136}));

TEST(CalibrationDefaults, EveryFieldHasItsDefaultAndTheRestIsZero) {
    CalibrationData c = RandomCalibration(11);
    ResetCalibrationData(c, BandLimits{});

    CalibrationData expected;
    for (int i = 0; i < 3; ++i) {
        expected.SetPoint(i, c.Point(i));
    }
    using namespace calib;
    expected.Set(PinPian_W, uint16_t{50});
    expected.Set(PinPian_W_Spe_1, uint16_t{65});
    expected.Set(PinPian_W_Spe_2, uint16_t{53});
    expected.Set(PinPian_N, uint16_t{50});
    expected.Set(PinPian_N_Spe_1, uint16_t{65});
    expected.Set(PinPian_N_Spe_2, uint16_t{53});
    for (U8Field f : {DtmfFuDu_W, FuDu1750_W, DtmfFuDu_N, FuDu1750_N}) {
        expected.Set(f, uint8_t{127});
    }
    expected.Set(CtcPinPian_W, uint8_t{14});
    expected.Set(CtcPinPian_N, uint8_t{14});
    expected.Set(DcsPinPian_W, uint8_t{13});
    expected.Set(DcsPinPian_N, uint8_t{13});
    expected.Set(SQL_L1, uint8_t{126});
    expected.Set(SQL_L4, uint8_t{112});
    expected.Set(SQL_L9, uint8_t{107});
    expected.Set(VOX_L1, uint8_t{200});
    expected.Set(VOX_L9, uint8_t{40});
    expected.Set(Batt_L0_Wait, uint8_t{214});
    expected.Set(Batt_L0_Tx, uint8_t{214});
    expected.Set(MicGainFine, uint8_t{20});
    expected.Set(MicGain, uint8_t{9});
    expected.Set(Pga, uint8_t{20});
    expected.Set(Noise_th, uint8_t{58});
    expected.Set(Noise_th_nar, uint8_t{58});
    expected.Set(Modu_th, uint8_t{110});
    expected.Set(Pkdet_th, uint8_t{63});
    expected.Set(Pkdet_th_nar, uint8_t{63});
    expected.Set(Rssi3_th, uint8_t{25});
    expected.Set(Noise2_th, uint8_t{32});
    expected.Set(Modu_dten, uint8_t{1});
    expected.Set(Pkdet_dten, uint8_t{1});
    expected.Set(BattLowPowerOff, uint8_t{1});
    expected.Set(Xtal1846, uint8_t{1});
    expected.Set(FreqAging, uint32_t{470000000});
    expected.SetSqOffset(8, 10);

    for (size_t i = 0; i < kCalibrationDataSize; ++i) {
        EXPECT_EQ(c.Raw()[i], expected.Raw()[i]) << "offset " << i;
    }
}

TEST(CalibrationData, SignedOffsetsAndPointsStayInsideTheirFields) {
    CalibrationData c;
    c.SetSqOffset(0, -50);
    c.SetSqOffsetNar(19, 50);
    EXPECT_EQ(c.Raw()[calib::SQ_offset.offset], 0xCE);
    EXPECT_EQ(c.SqOffset(0), -50);
    EXPECT_EQ(c.SqOffsetNar(19), 50);

    // Indices past the arrays are ignored, so no neighbouring field changes.
    const auto before = c.Raw()[calib::Batt_PowerOn.offset];
    c.SetSqOffsetNar(20, -1);
    c.SetSqOffset(-1, -1);
    c.SetPoint(5, {1, 2, 3, 4, 5, 6});
    c.SetVol1846(10, 9);
    EXPECT_EQ(c.Raw()[calib::Batt_PowerOn.offset], before);
    EXPECT_EQ(c.SqOffset(20), 0);
    EXPECT_EQ(c.Point(-1), CalibrationPoint{});
    EXPECT_EQ(c.Get(calib::PinPian_W), 0);

    c.SetPoint(4, {520, 1, 2, 3, 4, 5});
    EXPECT_EQ(c.Get(calib::Point(4).Freq), 520);
    EXPECT_EQ(c.Get(calib::Point(4).Rssi), 5);
    EXPECT_EQ(c.Raw()[calib::PinPian_W.offset], 0);
}

class CalibrationFileTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
};

TEST_F(CalibrationFileTest, SaveAndOpenKeepEveryByteIncludingStatus) {
    CalibrationData saved = RandomCalibration(3);
    saved.Set(calib::CurBatt, uint8_t{77});
    saved.Set(calib::Offset, uint16_t{0xBEEF});
    const std::string path = folder.File("unit.vkfa");
    ASSERT_TRUE(SaveCalibrationFile(path, saved));
    EXPECT_EQ(std::filesystem::file_size(path), kCalibrationDataSize);

    CalibrationData opened;
    ResetCalibrationData(opened, BandLimits{});
    ASSERT_TRUE(LoadCalibrationFile(path, opened));
    EXPECT_TRUE(std::ranges::equal(opened.Raw(), saved.Raw()));
    EXPECT_EQ(opened.Get(calib::CurBatt), 77);
    EXPECT_EQ(opened.Get(calib::Offset), 0xBEEF);
}

TEST_F(CalibrationFileTest, ShortFileReplacesOnlyItsBytesAndLongFileOnlyTheRecord) {
    const std::string shortPath = folder.File("short.vkfa");
    {
        std::ofstream out(shortPath, std::ios::binary);
        out.write("\x01\x02\x03", 3);
    }
    const CalibrationData original = RandomCalibration(5);
    CalibrationData c = original;
    ASSERT_TRUE(LoadCalibrationFile(shortPath, c));
    EXPECT_EQ(c.Raw()[0], 1);
    EXPECT_EQ(c.Raw()[2], 3);
    EXPECT_TRUE(std::ranges::equal(c.Raw().subspan(3), original.Raw().subspan(3)));

    const std::string longPath = folder.File("long.vkfa");
    {
        std::ofstream out(longPath, std::ios::binary);
        const std::vector<char> bytes(kCalibrationDataSize + 40, '\x5A');
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const FileResult longer = LoadCalibrationFile(longPath, c);
    ASSERT_TRUE(longer) << longer.message;
    EXPECT_TRUE(std::ranges::all_of(c.Raw(), [](uint8_t b) { return b == 0x5A; }));
    EXPECT_NE(longer.notice.find("is longer than the 160 bytes of calibration data"),
              std::string::npos)
        << longer.notice;
}

TEST_F(CalibrationFileTest, TextIsRefusedAndAShortFileSaysHowMuchItHeld) {
    const CalibrationData original = RandomCalibration(11);
    CalibrationData c = original;
    const std::string text = folder.File("channels.vkfa");
    std::ofstream(text) << "NO.,RX Freq.,TX Freq.\r\n1,146.52000,146.52000\r\n";
    const FileResult refused = LoadCalibrationFile(text, c);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.notThisKind);
    EXPECT_NE(refused.message.find("\"" + text +
                                   "\" is not a calibration file: it looks like a "
                                   "channel list"),
              std::string::npos)
        << refused.message;
    EXPECT_TRUE(std::ranges::equal(c.Raw(), original.Raw()));

    // A project's first bytes are no calibration values.
    const std::string project = folder.File("radio.Vkf");
    ProjectImage image;
    image.ResetToDefaults();
    ASSERT_TRUE(SaveProject(project, image, BandLimits{}));
    const FileResult notCalibration = LoadCalibrationFile(project, c);
    EXPECT_FALSE(notCalibration);
    EXPECT_TRUE(notCalibration.notThisKind);
    EXPECT_NE(notCalibration.message.find("the size of a project file"), std::string::npos)
        << notCalibration.message;
    EXPECT_TRUE(std::ranges::equal(c.Raw(), original.Raw()));

    const std::string shortPath = folder.File("short.vkfa");
    std::ofstream(shortPath, std::ios::binary).write("\x90\x01\x30", 3);
    const FileResult opened = LoadCalibrationFile(shortPath, c);
    ASSERT_TRUE(opened) << opened.message;
    EXPECT_NE(opened.notice.find("Only the first 3 bytes of the 160 bytes"), std::string::npos)
        << opened.notice;
}

TEST_F(CalibrationFileTest, FailuresNameTheFileAndLeaveTheRecord) {
    const CalibrationData original = RandomCalibration(9);
    CalibrationData c = original;
    const std::string missing = folder.File("missing.vkfa");
    const FileResult open = LoadCalibrationFile(missing, c);
    EXPECT_FALSE(open);
    EXPECT_NE(open.message.find(missing), std::string::npos);
    EXPECT_TRUE(std::ranges::equal(c.Raw(), original.Raw()));

    const std::string unwritable = folder.File("no-such-folder/unit.vkfa");
    const FileResult save = SaveCalibrationFile(unwritable, c);
    EXPECT_FALSE(save);
    EXPECT_NE(save.message.find(unwritable), std::string::npos);

    // A folder opens as a stream but cannot be read.
    const FileResult folderOpen = LoadCalibrationFile(folder.Path().string(), c);
    EXPECT_FALSE(folderOpen);
    EXPECT_TRUE(std::ranges::equal(c.Raw(), original.Raw()));
}

}  // namespace
}  // namespace radioprog
