#include <algorithm>

#include "calibration/CalibrationData.h"
#include "model/AtomicOutput.h"
#include "model/RegularFile.h"

namespace radioprog {

FileResult LoadCalibrationFile(const std::string& path, CalibrationData& calibration) {
    const RegularFileContents file =
        ReadRegularFile(path, kCalibrationDataSize, LongerFile::ReadTheStart);
    if (file.status != FileRead::Read) {
        return {false, "Cannot open \"" + path + "\": " + file.why};
    }
    // A short file replaces only the bytes it holds.
    std::copy(file.bytes.begin(), file.bytes.end(), calibration.Raw().begin());
    return {};
}

FileResult SaveCalibrationFile(const std::string& path, const CalibrationData& calibration) {
    return WriteFileAtomically(path, calibration.Raw());
}

}  // namespace radioprog
