#pragma once
// A channel list file of either format we read: our own lists, or the multi-radio format,
// told apart by the header row.

#include <string_view>

#include "channellist/ChannelListPlan.h"
#include "channellist/ChirpCsv.h"

namespace radioprog {

// Reads either format over the image, all or nothing. Renumbering places the rows of either
// format in file order; shortening names is for the multi-radio format, as our own lists hold
// our names.
ChannelListResult ImportChannelList(std::string_view csv, ProjectImage& image,
                                    const BandLimits& band, const ChirpImportOptions& options = {});

}  // namespace radioprog
