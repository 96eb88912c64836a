#include "model/ProjectFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "model/RegularFile.h"

namespace radioprog {

namespace {

FileResult Failure(const std::string& what, const std::string& path) {
    return {false, what + " \"" + path + "\": " + std::strerror(errno)};
}

}  // namespace

FileResult SaveProject(const std::string& path, ProjectImage& image, const BandLimits& band) {
    image.Set(image::BandUpper, band.upper);
    image.Set(image::BandLower, band.lower);
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return Failure("Cannot create", path);
    }
    const auto raw = image.Raw();
    out.write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    out.close();
    if (!out) {
        return Failure("Cannot write", path);
    }
    return {};
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
