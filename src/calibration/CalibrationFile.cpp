#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "calibration/CalibrationData.h"

namespace radioprog {

namespace {

FileResult Failure(const std::string& what, const std::string& path) {
    return {false, what + " \"" + path + "\": " + std::strerror(errno)};
}

}  // namespace

FileResult LoadCalibrationFile(const std::string& path, CalibrationData& calibration) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Failure("Cannot open", path);
    }
    // Read over a copy, so that a read error leaves the record as it was and a short file
    // replaces only the bytes it holds.
    CalibrationData::Bytes bytes;
    std::copy(calibration.Raw().begin(), calibration.Raw().end(), bytes.begin());
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return Failure("Cannot read", path);
    }
    std::copy(bytes.begin(), bytes.end(), calibration.Raw().begin());
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
