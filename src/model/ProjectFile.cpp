#include "model/ProjectFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

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
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Failure("Cannot open", path);
    }
    // Read into a copy so that a read error leaves the image as it was.
    ProjectImage::Bytes bytes;
    std::copy(image.Raw().begin(), image.Raw().end(), bytes.begin());
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return Failure("Cannot read", path);
    }
    std::copy(bytes.begin(), bytes.end(), image.Raw().begin());
    band.lower = image.Get(image::BandLower);
    band.upper = image.Get(image::BandUpper);
    return {};
}

}  // namespace radioprog
