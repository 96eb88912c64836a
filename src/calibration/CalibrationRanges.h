#pragma once
// The values a calibration record may hold, one row per value of the record's layout
// (CalibrationData.h), as the calibration window accepts them. Calibration is the radio's
// factory tuning: a file or a record with a value outside its row is no calibration record
// (a project, random bytes, a blank file), and sending it would detune the radio.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calibration/CalibrationData.h"

namespace radioprog {

struct CalibrationRange {
    const char* name;
    size_t offset;  // of the first entry
    size_t width;   // bytes of one entry, little-endian: 1, 2 or 4
    bool isSigned;  // one-byte entries only
    int count;      // entries: 1, or the points and table rows
    size_t stride;  // bytes from one entry to the next
    int64_t min;
    int64_t max;
    bool zeroMeansUnset;  // 0 is taken too: a point not in use, a value left unset
    bool onRaster;        // a frequency in Hz on the channel raster
};

// Every value that is written to the radio, in the record's order. The status readings are
// not: the radio fills them and a write does not send them.
std::span<const CalibrationRange> CalibrationRanges();

// Entry i of the row's value in the record.
int64_t CalibrationValue(const CalibrationData& calibration, const CalibrationRange& range,
                         int entry);

struct OutOfRangeValue {
    const CalibrationRange* range;
    int entry;
    int64_t value;
};

// The values outside their rows, in the record's order.
std::vector<OutOfRangeValue> OutOfRangeValues(const CalibrationData& calibration);

// "PinPian_W = 2000 (0..1023)", "SQ_offset[8] = 90 (-50..50)".
std::string DescribeOutOfRange(const OutOfRangeValue& value);

// The byte every one of the 160 bytes holds, when they all hold the same: a blank or erased
// file, never a radio's calibration.
std::optional<uint8_t> SingleByteValue(const CalibrationData& calibration);

}  // namespace radioprog
