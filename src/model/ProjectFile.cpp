#include "model/ProjectFile.h"

#include <algorithm>
#include <optional>
#include <span>

#include "model/AtomicOutput.h"
#include "model/FileRecognition.h"
#include "model/RadioRanges.h"
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
    return TextFileKind(bytes);
}

void AddNotice(FileResult& result, const std::string& notice) {
    result.notice += (result.notice.empty() ? "" : "\n") + notice;
}

// A file of another length is still read as the project's leading bytes, but the user learns
// that the project on screen is not all the file's, or not all of it the file's.
void NoticeOfLength(FileResult& result, size_t length, const std::string& path) {
    if (length < kProjectImageSize) {
        AddNotice(result, "Only the first " + std::to_string(length) + " bytes of a " +
                              std::to_string(kProjectImageSize) + "-byte project were in \"" +
                              path + "\"; the rest of the project is as it was.");
    } else if (length > kProjectImageSize) {
        AddNotice(result, "\"" + path + "\" is longer than a " + std::to_string(kProjectImageSize) +
                              "-byte project; only its first " + std::to_string(kProjectImageSize) +
                              " bytes were read.");
    }
}

}  // namespace

FileResult OpenProject(const std::string& path, ProjectImage& image, BandLimits& band) {
    const RegularFileContents file =
        ReadRegularFile(path, kProjectImageSize + 1, LongerFile::ReadTheStart);
    if (file.status != FileRead::Read) {
        return {false, "Cannot open \"" + path + "\": " + file.why};
    }
    if (const auto why = WhyNotAProject(file.bytes)) {
        return NotAProject(path, *why);
    }
    // A short file replaces only the bytes it holds.
    const size_t length = file.bytes.size();
    std::copy_n(file.bytes.begin(), std::min(length, kProjectImageSize), image.Raw().begin());
    band.lower = image.Get(image::BandLower);
    band.upper = image.Get(image::BandUpper);
    FileResult result;
    NoticeOfLength(result, length, path);
    // The band is taken as the file holds it, so that the project can be looked at and mended;
    // a write refuses it until the band dialog sets one the radio takes.
    if (!IsBandTheRadioAccepts(band)) {
        AddNotice(result, "The band of \"" + path + "\", " + BandText(band) +
                              ", is not one the radio accepts (" + kRadioRangesText +
                              "): the project cannot be written to a radio until the band "
                              "dialog sets its band.");
    }
    return result;
}

}  // namespace radioprog
