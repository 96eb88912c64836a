#include "model/FreqCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace radioprog {
namespace {

struct TextCase {
    const char* text;
    std::optional<uint32_t> hz;
};

class TextToFreqTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextToFreqTest, ReadsMegahertz) {
    EXPECT_EQ(TextToFreq(GetParam().text), GetParam().hz) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToFreqTest,
    testing::Values(TextCase{"146.52", 146520000}, TextCase{"438.00625", 438006250},
                    TextCase{"146.5126", 146512600}, TextCase{"146", 146000000},
                    TextCase{"100", 100000000}, TextCase{"0", 0}, TextCase{"050.00000", 50000000},
                    // Digits below 1 Hz are dropped, not rounded.
                    TextCase{"146.1234567", 146123456}, TextCase{"146.000001", 146000001},
                    TextCase{".5", 500000}, TextCase{".00625", 6250},
                    TextCase{"4294.967295", 4294967295u}));

INSTANTIATE_TEST_SUITE_P(Saturating, TextToFreqTest,
                         testing::Values(TextCase{"4294.967296", 4294967295u},
                                         TextCase{"4295", 4294967295u},
                                         TextCase{"5000", 4294967295u},
                                         TextCase{"999999999", 4294967295u},
                                         TextCase{"99999999999999999999999999.5", 4294967295u}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, TextToFreqTest,
    testing::Values(TextCase{"", std::nullopt}, TextCase{".", std::nullopt},
                    TextCase{"470.", std::nullopt}, TextCase{"1.2.3", std::nullopt},
                    TextCase{"14a.5", std::nullopt}, TextCase{"146.5x", std::nullopt},
                    TextCase{"-146", std::nullopt}, TextCase{" 146", std::nullopt},
                    TextCase{"146,5", std::nullopt}));

TEST(FreqToTextTest, ShowsMegahertzWithFiveDecimals) {
    EXPECT_EQ(FreqToText(0), "0");
    EXPECT_EQ(FreqToText(146520000), "146.52000");
    EXPECT_EQ(FreqToText(438006250), "438.00625");
    EXPECT_EQ(FreqToText(50000000), "050.00000");
    EXPECT_EQ(FreqToText(470000009), "470.00000");
    EXPECT_EQ(FreqToText(1), "000.00000");
    EXPECT_EQ(FreqToText(4294967295u), "4294.96729");
}

TEST(FreqToTextTest, TextReadsBackToTheSameTenHertz) {
    for (uint32_t hz : {136000000u, 146512500u, 438006250u, 519993750u, 4294967290u}) {
        EXPECT_EQ(TextToFreq(FreqToText(hz)), hz);
    }
}

struct SnapCase {
    uint32_t in;
    uint32_t out;
};

class SnapToBandTest : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapToBandTest, ClampsThenSnaps) {
    const BandLimits band{136000000, 174000000};
    EXPECT_EQ(SnapToBand(GetParam().in, band), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SnapToBandTest,
    testing::Values(SnapCase{146512600, 146512500}, SnapCase{146515000, 146515000},
                    SnapCase{146506250, 146506250}, SnapCase{146507000, 146506250},
                    SnapCase{146500001, 146500000}, SnapCase{0, 136000000},
                    SnapCase{135999999, 136000000}, SnapCase{174000001, 174000000},
                    SnapCase{4294967295u, 174000000}));

TEST(SnapToBandTest, UsesTheGivenBand) {
    EXPECT_EQ(SnapToBand(100000000, BandLimits{}), 400000000u);
    EXPECT_EQ(SnapToBand(*TextToFreq("5000"), BandLimits{}), 480000000u);
    EXPECT_EQ(SnapToBand(*TextToFreq("146.5126"), BandLimits{136000000, 174000000}), 146512500u);
}

TEST(RasterStepOfTest, PrefersFiveKilohertzAndAgreesWithTheSnap) {
    EXPECT_EQ(RasterStepOf(0), RasterStep::Of5kHz);
    EXPECT_EQ(RasterStepOf(446000000), RasterStep::Of5kHz) << "on both steps: 5 kHz first";
    EXPECT_EQ(RasterStepOf(446005000), RasterStep::Of5kHz);
    EXPECT_EQ(RasterStepOf(10000), RasterStep::Of5kHz);
    EXPECT_EQ(RasterStepOf(12500), RasterStep::Of6250Hz);
    EXPECT_EQ(RasterStepOf(446006250), RasterStep::Of6250Hz);
    EXPECT_EQ(RasterStepOf(6250), RasterStep::Of6250Hz);
    EXPECT_EQ(RasterStepOf(2500), RasterStep::Off);
    EXPECT_EQ(RasterStepOf(446001000), RasterStep::Off);
    EXPECT_EQ(RasterStepOf(4294967295u), RasterStep::Off);
    // A frequency is on the raster exactly when the band snap keeps it.
    const BandLimits wide{136000000, 174000000};
    for (uint32_t hz = 146000000; hz <= 146050000; hz += 125) {
        EXPECT_EQ(RasterStepOf(hz) != RasterStep::Off, SnapToBand(hz, wide) == hz) << hz;
    }
}

TEST(SnapToCalibrationRangeTest, ClampsToHundredToSixHundredMegahertz) {
    EXPECT_EQ(SnapToCalibrationRange(0), 100000000u);
    EXPECT_EQ(SnapToCalibrationRange(99999999), 100000000u);
    EXPECT_EQ(SnapToCalibrationRange(600000001), 600000000u);
    EXPECT_EQ(SnapToCalibrationRange(4294967295u), 600000000u);
    EXPECT_EQ(SnapToCalibrationRange(470000000), 470000000u);
    EXPECT_EQ(SnapToCalibrationRange(470013000), 470012500u);
    EXPECT_EQ(SnapToCalibrationRange(470006250), 470006250u);
}

TEST(IsBandEdgeValidTest, AcceptsOnlyTheThreeUsableRanges) {
    struct Case {
        uint32_t lower;
        uint32_t upper;
        bool valid;
    };
    const Case cases[] = {
        {400000000, 480000000, true},
        {136000000, 174000000, true},
        {200000000, 260000000, true},
        {300000000, 520000000, true},
        {480000000, 400000000, true},  // order is not checked
        {135999999, 174000000, false},
        {136000000, 520000001, false},
        {174000001, 180000000, false},
        {150000000, 199999999, false},
        {260000001, 400000000, false},
        {400000000, 299999999, false},
        {0, 0, false},
        {520000001, 520000001, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsBandEdgeValid(c.lower, c.upper), c.valid) << c.lower << ' ' << c.upper;
    }
}

TEST(ClampBandEdgeTest, PutsATypedLimitInsideAUsableRangeOnTheRaster) {
    const std::pair<uint32_t, uint32_t> cases[] = {
        {0, 136000000},         {135999999, 136000000}, {136003100, 136000000},
        {174000000, 174000000}, {174000001, 174000000}, {199999999, 174000000},
        {200000000, 200000000}, {260000001, 260000000}, {319999999, 260000000},
        {320000000, 320000000}, {438012500, 438012500}, {438013000, 438012500},
        {520000000, 520000000}, {520000001, 520000000}, {UINT32_MAX, 520000000},
    };
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(ClampBandEdge(typed), kept) << typed;
        EXPECT_TRUE(IsBandEdgeValid(kept, kept)) << typed;
    }
}

}  // namespace
}  // namespace radioprog
