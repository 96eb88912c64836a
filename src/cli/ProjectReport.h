#pragma once
// A project image as people and scripts read it: a text table or JSON.

#include <string>

#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog::cli {

std::string ProjectAsTable(const ProjectImage& image, const BandLimits& band);
std::string ProjectAsJson(const ProjectImage& image, const BandLimits& band);

}  // namespace radioprog::cli
