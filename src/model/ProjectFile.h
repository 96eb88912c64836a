#pragma once
// Project files: the project image byte for byte, with the working band in its band copy.

#include <string>

#include "model/BandLimits.h"
#include "model/FileResult.h"
#include "model/ProjectImage.h"

namespace radioprog {

// What a project file holds: the image with the working band in its band copy. Saving and
// keeping a read in the history both write this, so a kept read opens as the saved project.
ProjectImage ProjectFileImage(const ProjectImage& image, const BandLimits& band);

// Copies the band into the image (it becomes ProjectFileImage), then writes the whole image
// in one piece (see WriteFileAtomically): a failed save leaves the file that was there.
FileResult SaveProject(const std::string& path, ProjectImage& image, const BandLimits& band);

// Reads up to the image's size over the image, then takes the working band from the image's
// band copy. A short file replaces only the bytes it holds, a longer one gives only its first
// bytes, and a band the radio does not accept is taken as it is: the result's notice says
// each. What is clearly no project is refused (notThisKind) and changes nothing: an empty
// file, or text.
FileResult OpenProject(const std::string& path, ProjectImage& image, BandLimits& band);

}  // namespace radioprog
