#include "model/ProjectFile.h"

#include <algorithm>
#include <optional>
#include <span>

#include "model/AtomicOutput.h"
#include "model/FileRecognition.h"
#include "model/FreqCodec.h"
#include "model/RegularFile.h"

namespace radioprog {

ProjectImage ProjectFileImage(const ProjectImage& image, const BandLimits& band) {
    ProjectImage saved = image;
    saved.Set(image::BandUpper, band.upper);
    saved.Set(image::BandLower, band.lower);
    return saved;
}

FileResult SaveProject(const std::string& path, ProjectImage& image, const BandLimits& band) {
    image = ProjectFileImage(image, band);
    return WriteFileAtomically(path, image.Raw());
}

namespace {

FileResult NotAProject(const std::string& path, const std::string& why) {
    FileResult result{false, "\"" + path + "\" is not a project file: " + why};
    result.notThisKind = true;
    return result;
}

std::optional<std::string> WhyNotAProject(std::span<const uint8_t> bytes) {
    if (bytes.empty()) {
        return "it is empty";
    }
    if (auto text = TextFileKind(bytes)) {
        return text;
    }
    if (bytes.size() < image::BandLower.offset + 4) {
        return std::nullopt;
    }
    ProjectImage image;
    std::copy(bytes.begin(), bytes.end(), image.Raw().begin());
    const uint32_t lower = image.Get(image::BandLower);
    const uint32_t upper = image.Get(image::BandUpper);
    const std::string limits = FreqToText(lower) + "\u2013" + FreqToText(upper) + " MHz";
    if (!IsBandEdgeValid(lower, upper)) {
        return "its band limits " + limits +
               " are outside the radio's ranges (136\u2013174, 200\u2013260, 300\u2013520 MHz)";
    }
    if (lower > upper) {
        return "its band limits " + limits + " are in reverse order";
    }
    return std::nullopt;
}

}  // namespace

FileResult OpenProject(const std::string& path, ProjectImage& image, BandLimits& band) {
    const RegularFileContents file =
        ReadRegularFile(path, kProjectImageSize, LongerFile::ReadTheStart);
    if (file.status != FileRead::Read) {
        return {false, "Cannot open \"" + path + "\": " + file.why};
    }
    if (const auto why = WhyNotAProject(file.bytes)) {
        return NotAProject(path, *why);
    }
    // A short file replaces only the bytes it holds.
    std::copy(file.bytes.begin(), file.bytes.end(), image.Raw().begin());
    band.lower = image.Get(image::BandLower);
    band.upper = image.Get(image::BandUpper);
    FileResult result;
    if (file.bytes.size() < kProjectImageSize) {
        result.notice = "Only the first " + std::to_string(file.bytes.size()) + " bytes of a " +
                        std::to_string(kProjectImageSize) + "-byte project were in \"" + path +
                        "\"; the rest of the project is as it was.";
    }
    return result;
}

}  // namespace radioprog
