#pragma once
// A channel list file of either format we read: our own lists, or the multi-radio format,
// told apart by the header row.

#include <string_view>

#include "channellist/ChirpCsv.h"

namespace radioprog {

enum class ChannelListFormat { Own, Chirp };

// The format a file's header row names; a file that is not a table at all counts as ours,
// whose import then says where it goes wrong.
ChannelListFormat DetectChannelListFormat(std::string_view csv);

// Reads either format over the image, all or nothing. The options are for the multi-radio
// format: our own lists always name their channels and hold our names.
ChannelListResult ImportChannelList(std::string_view csv, ProjectImage& image,
                                    const BandLimits& band, const ChirpImportOptions& options = {});

}  // namespace radioprog
