// What a radio hands us: any memory image becomes a model (current and legacy map), a
// calibration record and the derived tables, and the model converts back to a memory image.
#include <algorithm>

#include "FuzzTargets.h"
#include "calibration/CalibrationData.h"
#include "model/FreqCodec.h"
#include "session/CalibrationConversion.h"
#include "session/CalibrationTables.h"
#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"

namespace radioprog::fuzz {

int FuzzMemory(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool variantY = data[0] & 1;
    static RadioMemory memory;
    memory.bytes.fill(0xFF);
    std::copy_n(data + 1, std::min(size - 1, memory.bytes.size()), memory.bytes.begin());

    static ProjectImage image;
    image.ResetToDefaults();
    BandLimits band;
    LastWriteTime lastWrite;
    SetDataToSoftware(memory, variantY, image, band, lastWrite);
    // Limits from the radio are taken only when both lie in the usable ranges (their order
    // is the radio's business).
    FUZZ_CHECK(IsBandEdgeValid(band.lower, band.upper));

    static CalibrationTables tables;
    tables = {};
    AnalyseTmpAdjustmentData(memory, tables);
    for (uint32_t hz : {band.lower, band.upper, (band.lower + band.upper) / 2}) {
        (void)InterpolatePoint(tables, hz, PointColumn::Tune);
        (void)SegmentValue(tables, band, hz, true);
    }
    static RadioMemory rebuilt;
    GetDataForWrite(image, band, tables, variantY, lastWrite, rebuilt);
    ReAnalyseChInfor(tables, band, variantY, rebuilt);

    static CalibrationData calibration;
    SetAdjustmentData(memory, variantY, calibration);
    Set1846StatucData(memory, calibration);

    image.ResetToDefaults();
    SetDataToSoftware_old(memory, image, lastWrite);
    GetDataForWrite_old(image, rebuilt);
    return 0;
}

}  // namespace radioprog::fuzz
