#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "calibration/CalibrationData.h"
#include "model/RegularFile.h"

namespace radioprog {

namespace {

FileResult Failure(const std::string& what, const std::string& path) {
    return {false, what + " \"" + path + "\": " + std::strerror(errno)};
}

}  // namespace

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
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return Failure("Cannot create", path);
    }
    const auto raw = calibration.Raw();
    out.write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    out.close();
    if (!out) {
        return Failure("Cannot write", path);
    }
    return {};
}

}  // namespace radioprog
