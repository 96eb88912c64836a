#include "session/CalibrationTables.h"

#include <gtest/gtest.h>

#include <random>

namespace radioprog {
namespace {

constexpr uint32_t MHz(uint32_t m) {
    return m * 1000000;
}

CalibrationTables TwoPoints(uint16_t loMHz, uint8_t loValue, uint16_t hiMHz, uint8_t hiValue) {
    CalibrationTables t;
    t.PointTable[0] = {loMHz, loValue, static_cast<uint8_t>(loValue / 2), 7};
    t.PointTable[1] = {hiMHz, hiValue, static_cast<uint8_t>(hiValue / 2), 9};
    return t;
}

TEST(InterpolatePoint, BetweenTwoPointsInEitherDirection) {
    struct Case {
        CalibrationTables tables;
        uint32_t hz;
        PointColumn column;
        uint8_t expected;
    };
    const Case cases[] = {
        // 60 + 20 x 8 / 17
        {TwoPoints(400, 60, 417, 80), MHz(408), PointColumn::PowerH, 69},
        // A falling column counts from the upper point: 60 + 20 x (417 - 408) / 17
        {TwoPoints(400, 80, 417, 60), MHz(408), PointColumn::PowerH, 70},
        {TwoPoints(400, 60, 417, 80), MHz(408) + 999999, PointColumn::PowerH, 69},
        {TwoPoints(400, 60, 417, 80), MHz(417), PointColumn::PowerH, 80},
        {TwoPoints(400, 60, 417, 80), MHz(408), PointColumn::PowerL, 34},
        {TwoPoints(400, 60, 417, 80), MHz(408), PointColumn::Tune, 7},
        // At or below the first point: its own value.
        {TwoPoints(400, 60, 417, 80), MHz(400), PointColumn::PowerH, 60},
        {TwoPoints(400, 60, 417, 80), MHz(136), PointColumn::PowerH, 60},
        // Above the last used point the unused points (MHz 0) give the last point's value.
        {TwoPoints(400, 60, 417, 80), MHz(450), PointColumn::PowerH, 0},
        // Two points at the same MHz: no division, the upper point wins.
        {TwoPoints(417, 60, 417, 80), MHz(417), PointColumn::PowerH, 60},
        {TwoPoints(410, 60, 410, 80), MHz(415), PointColumn::PowerH, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InterpolatePoint(c.tables, c.hz, c.column), c.expected) << c.hz;
    }
}

TEST(InterpolatePoint, ThreePointsPickTheirSegment) {
    CalibrationTables t;
    t.PointTable[0] = {400, 10, 0, 0};
    t.PointTable[1] = {440, 50, 0, 0};
    t.PointTable[2] = {480, 250, 0, 0};
    EXPECT_EQ(InterpolatePoint(t, MHz(420), PointColumn::PowerH), 30);
    EXPECT_EQ(InterpolatePoint(t, MHz(460), PointColumn::PowerH), 150);
    EXPECT_EQ(InterpolatePoint(t, MHz(480), PointColumn::PowerH), 250);
}

TEST(InterpolatePoint, AnyPointTableIsSafe) {
    // Zero, equal and out-of-order MHz values must never divide by zero or misbehave;
    // the sanitizers watch this.
    std::mt19937 random(17);
    for (int round = 0; round < 2000; ++round) {
        CalibrationTables t;
        for (auto& p : t.PointTable) {
            p = {static_cast<uint16_t>(random() % 4 == 0 ? 0 : random() % 700),
                 static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                 static_cast<uint8_t>(random())};
        }
        const uint32_t hz = static_cast<uint32_t>(random());
        for (auto column : {PointColumn::PowerH, PointColumn::PowerL, PointColumn::Tune}) {
            InterpolatePoint(t, hz, column);
        }
    }
    CalibrationTables empty;
    EXPECT_EQ(InterpolatePoint(empty, MHz(446), PointColumn::PowerH), 0);
    EXPECT_EQ(InterpolatePoint(empty, 0xFFFFFFFF, PointColumn::Tune), 0);
}

CalibrationTables NumberedSegments() {
    CalibrationTables t;
    for (int i = 0; i < kSegmentCount; ++i) {
        t.SegmentTableWide[i] = static_cast<int8_t>(i);
        t.SegmentTableNarrow[i] = static_cast<int8_t>(-i - 1);
    }
    return t;
}

TEST(SegmentValue, SegmentsCountFromTheLowerLimit) {
    struct Case {
        uint32_t lower;
        uint32_t hz;
        int segment;
    };
    const Case cases[] = {
        {400000000, 300000000, 0},
        {400000000, 409999999, 0},
        {400000000, 410000000, 1},
        {400000000, 419999999, 1},
        {400000000, 509999999, 10},
        {400000000, 510000000, 11},
        {400000000, 0xFFFFFFFF, 11},
        // 5 MHz steps below 200 MHz.
        {136000000, 139999999, 0},
        {136000000, 140000000, 1},
        {136000000, 174000000, 7},
        {136000000, 189999999, 10},
        {136000000, 190000000, 11},
        // The step widens once a boundary reaches 200 MHz: 195, 200, 210, ...
        {190000000, 199999999, 1},
        {190000000, 205000000, 2},
        {190000000, 210000000, 3},
        // A lower limit inside a segment rounds down first.
        {403000000, 409999999, 0},
        {403000000, 410000000, 1},
        // A limit near the top of the range must not wrap its boundary round to 0.
        {0xFFFFFFFF, 0xFFFFFFFF, 0},
    };
    const CalibrationTables t = NumberedSegments();
    for (const Case& c : cases) {
        const BandLimits band{c.lower, 480000000};
        EXPECT_EQ(SegmentValue(t, band, c.hz, true), c.segment) << c.lower << " " << c.hz;
        EXPECT_EQ(SegmentValue(t, band, c.hz, false), -c.segment - 1) << c.lower << " " << c.hz;
    }
}

}  // namespace
}  // namespace radioprog
