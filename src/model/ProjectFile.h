#pragma once
// Project files: the project image byte for byte, with the working band in its band copy.

#include <string>

#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

struct FileResult {
    bool ok = true;
    std::string message;  // why it failed, naming the file
    explicit operator bool() const { return ok; }
};

// Copies the band into the image, then writes the whole image.
FileResult SaveProject(const std::string& path, ProjectImage& image, const BandLimits& band);

// Reads up to the image's size over the image (a short file replaces only the bytes it
// holds), then takes the working band from the image's band copy.
FileResult OpenProject(const std::string& path, ProjectImage& image, BandLimits& band);

}  // namespace radioprog
