#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "calibration/CalibrationData.h"
#include "model/AtomicOutput.h"
#include "model/FileRecognition.h"
#include "model/ProjectImage.h"
#include "model/RegularFile.h"

namespace radioprog {

namespace {

// Calibration data is a binary record whose values (frequencies, offsets, thresholds) hold
// zero and control bytes; text is never one, and neither is an empty file.
std::optional<std::string> WhyNotCalibration(std::span<const uint8_t> bytes) {
    if (bytes.empty()) {
        return "it is empty";
    }
    // A project's first bytes would be taken for calibration values and written as the
    // radio's factory tuning.
    if (bytes.size() == kProjectImageSize) {
        return "it holds " + std::to_string(kProjectImageSize) +
               " bytes, the size of a project file, not the " +
               std::to_string(kCalibrationDataSize) + " bytes of calibration data";
    }
    // Judged on the bytes that would be taken: a text with a binary tail must not load as a
    // record that, once saved, no longer loads.
    if (auto text = TextFileKind(bytes.first(std::min(bytes.size(), kCalibrationDataSize)))) {
        return text;
    }
    return std::nullopt;
}

}  // namespace

FileResult LoadCalibrationFile(const std::string& path, CalibrationData& calibration) {
    const RegularFileContents file =
        ReadRegularFile(path, kProjectImageSize + 1, LongerFile::ReadTheStart);
    if (file.status != FileRead::Read) {
        return {false, "Cannot open \"" + path + "\": " + file.why};
    }
    if (const auto why = WhyNotCalibration(file.bytes)) {
        FileResult result{false, "\"" + path + "\" is not a calibration file: " + *why};
        result.notThisKind = true;
        return result;
    }
    // A short file replaces only the bytes it holds; a longer one gives its first bytes.
    const size_t length = file.bytes.size();
    std::copy_n(file.bytes.begin(), std::min(length, kCalibrationDataSize),
                calibration.Raw().begin());
    FileResult result;
    if (length < kCalibrationDataSize) {
        result.notice = "Only the first " + std::to_string(length) + " bytes of the " +
                        std::to_string(kCalibrationDataSize) +
                        " bytes of calibration data were in \"" + path +
                        "\"; the rest is as it was.";
    } else if (length > kCalibrationDataSize) {
        result.notice = "\"" + path + "\" is longer than the " +
                        std::to_string(kCalibrationDataSize) +
                        " bytes of calibration data; only its first " +
                        std::to_string(kCalibrationDataSize) + " bytes were read.";
    }
    return result;
}

FileResult SaveCalibrationFile(const std::string& path, const CalibrationData& calibration) {
    return WriteFileAtomically(path, calibration.Raw());
}

}  // namespace radioprog
