#include "model/ProjectFile.h"

#include <algorithm>

#include "model/AtomicOutput.h"
#include "model/RegularFile.h"

namespace radioprog {

FileResult SaveProject(const std::string& path, ProjectImage& image, const BandLimits& band) {
    image.Set(image::BandUpper, band.upper);
    image.Set(image::BandLower, band.lower);
    return WriteFileAtomically(path, image.Raw());
}

FileResult OpenProject(const std::string& path, ProjectImage& image, BandLimits& band) {
    const RegularFileContents file =
        ReadRegularFile(path, kProjectImageSize, LongerFile::ReadTheStart);
    if (file.status != FileRead::Read) {
        return {false, "Cannot open \"" + path + "\": " + file.why};
    }
    // A short file replaces only the bytes it holds.
    std::copy(file.bytes.begin(), file.bytes.end(), image.Raw().begin());
    band.lower = image.Get(image::BandLower);
    band.upper = image.Get(image::BandUpper);
    return {};
}

}  // namespace radioprog
