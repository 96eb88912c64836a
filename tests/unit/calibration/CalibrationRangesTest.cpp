#include "calibration/CalibrationRanges.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace radioprog {
namespace {

CalibrationData Defaults() {
    CalibrationData c;
    ResetCalibrationData(c, {400000000, 480000000});
    return c;
}

void SetValue(CalibrationData& c, const CalibrationRange& range, int entry, int64_t value) {
    const size_t at = range.offset + range.stride * static_cast<size_t>(entry);
    const auto bits = static_cast<uint64_t>(value);
    for (size_t k = 0; k < range.width; ++k) {
        c.Raw()[at + k] = static_cast<uint8_t>(bits >> (8 * k));
    }
}

std::vector<std::string> Described(const CalibrationData& c) {
    std::vector<std::string> texts;
    for (const OutOfRangeValue& value : OutOfRangeValues(c)) {
        texts.push_back(DescribeOutOfRange(value));
    }
    return texts;
}

// What the tool itself makes (the defaults of every band preset, and of a band of 0-0) is a
// calibration record.
TEST(CalibrationRanges, TheDefaultsOfEveryBandAreInRange) {
    const BandLimits bands[] = {{136000000, 174000000},
                                {400000000, 490000000},
                                {245000000, 246000000},
                                {400000000, 480000000},
                                {450000000, 520000000},
                                {470000000, 520000000},
                                {0, 0}};
    for (const BandLimits& band : bands) {
        CalibrationData c;
        ResetCalibrationData(c, band);
        EXPECT_EQ(Described(c), std::vector<std::string>{}) << band.lower << "-" << band.upper;
        EXPECT_FALSE(SingleByteValue(c).has_value());
    }
}

// Every entry of every row: its limits are taken, and the first value past either limit that
// the entry's bytes can hold is refused under that entry's own name.
TEST(CalibrationRanges, EveryValueIsCheckedAgainstItsOwnRow) {
    int refusals = 0;
    for (const CalibrationRange& range : CalibrationRanges()) {
        const int bits = static_cast<int>(8 * range.width);
        const int64_t lowest = range.isSigned ? -(int64_t{1} << (bits - 1)) : 0;
        const int64_t highest =
            range.isSigned ? (int64_t{1} << (bits - 1)) - 1 : (int64_t{1} << bits) - 1;
        for (int entry = 0; entry < range.count; ++entry) {
            const std::string where = std::string(range.name) + " entry " + std::to_string(entry);
            for (const int64_t limit : {range.min, range.max}) {
                CalibrationData c = Defaults();
                SetValue(c, range, entry, limit);
                EXPECT_EQ(CalibrationValue(c, range, entry), limit) << where;
                EXPECT_TRUE(OutOfRangeValues(c).empty()) << where << " = " << limit;
            }
            std::vector<int64_t> outside;
            if (range.min - 1 >= lowest && !(range.zeroMeansUnset && range.min - 1 == 0)) {
                outside.push_back(range.min - 1);
            }
            if (range.max + 1 <= highest) {
                outside.push_back(range.max + 1);
            }
            if (range.onRaster) {
                outside.push_back(range.min + 1);
            }
            for (const int64_t value : outside) {
                CalibrationData c = Defaults();
                SetValue(c, range, entry, value);
                const std::vector<OutOfRangeValue> found = OutOfRangeValues(c);
                ASSERT_EQ(found.size(), 1u) << where << " = " << value;
                EXPECT_EQ(found.front().range, &range) << where;
                EXPECT_EQ(found.front().entry, entry) << where;
                EXPECT_EQ(found.front().value, value) << where;
                ++refusals;
            }
        }
    }
    EXPECT_GT(refusals, 0);
}

// The rows cover the record's written values once each and never reach past it.
TEST(CalibrationRanges, RowsLieInsideTheRecordWithoutOverlapping) {
    std::vector<int> owners(kCalibrationDataSize, 0);
    for (const CalibrationRange& range : CalibrationRanges()) {
        for (int entry = 0; entry < range.count; ++entry) {
            const size_t at = range.offset + range.stride * static_cast<size_t>(entry);
            ASSERT_LE(at + range.width, kCalibrationDataSize) << range.name;
            for (size_t k = 0; k < range.width; ++k) {
                EXPECT_EQ(++owners[at + k], 1) << range.name << " byte " << at + k;
            }
        }
    }
    // Only the status readings (80 to 92), which the radio fills, are not checked.
    for (size_t at = 0; at < kCalibrationDataSize; ++at) {
        EXPECT_EQ(owners[at] == 0, at >= calib::CurBatt.offset && at < calib::Batt_Tbl.offset)
            << "byte " << at;
    }
}

// A blank or erased file is named as such: all zeros would pass every range (0 is an unused
// point and an unset ageing frequency).
TEST(CalibrationRanges, ARecordOfOneByteAndAnOutOfRangeEntryAreNamed) {
    for (const uint8_t b : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x1C}}) {
        CalibrationData c;
        std::ranges::fill(c.Raw(), b);
        EXPECT_EQ(SingleByteValue(c), b);
    }
    CalibrationData c = Defaults();
    c.SetSqOffset(8, 90);
    c.SetPoint(2, {600, 63, 0, 0, 0, 0});
    EXPECT_EQ(Described(c), (std::vector<std::string>{"Point[2].Freq = 600 (130..520)",
                                                      "SQ_offset[8] = 90 (-50..50)"}));
}

}  // namespace
}  // namespace radioprog
