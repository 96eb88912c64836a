// Calibration files: any file loads over the record, the record converts to the block we
// write and to the tables, and what is saved loads back byte for byte.
#include <cstring>

#include "FuzzTargets.h"
#include "calibration/CalibrationData.h"
#include "session/CalibrationConversion.h"
#include "session/CalibrationTables.h"
#include "session/RadioMemoryMap.h"

namespace radioprog::fuzz {

int FuzzCalibration(const uint8_t* data, size_t size) {
    const std::string path = ScratchFile("calibration.vkfa", {data, size});
    static CalibrationData calibration;
    const BandLimits band{400000000, 480000000};
    ResetCalibrationData(calibration, band);
    if (!LoadCalibrationFile(path, calibration)) {
        return 0;
    }
    const std::string saved = ScratchPath("saved.vkfa");
    static CalibrationData reloaded;
    FUZZ_CHECK(SaveCalibrationFile(saved, calibration));
    FUZZ_CHECK(LoadCalibrationFile(saved, reloaded));
    FUZZ_CHECK(std::memcmp(reloaded.Raw().data(), calibration.Raw().data(), kCalibrationDataSize) ==
               0);

    static CalibrationImage block;
    static CalibrationTables tables;
    const bool variantY = size % 2 == 0;
    GetAdjustmentData(calibration, variantY, block, tables);
    for (uint32_t hz = 100000000; hz <= 600000000; hz += 25000000) {
        for (PointColumn column : {PointColumn::PowerH, PointColumn::PowerL, PointColumn::Tune}) {
            (void)InterpolatePoint(tables, hz, column);
        }
        (void)SegmentValue(tables, band, hz, hz % 2 == 0);
    }
    return 0;
}

}  // namespace radioprog::fuzz
