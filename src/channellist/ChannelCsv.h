#pragma once
// The 16 channels of a project as a CSV file that people keep, share and edit in a text
// editor or a spreadsheet: a header row of column captions, then one row per channel with
// every field of the record in the words the grid shows. An unused channel is a row with an
// empty receive frequency.

#include <string>
#include <string_view>

#include "channellist/ChannelList.h"

namespace radioprog {

// Comma-separated, CRLF line ends, UTF-8 without a byte order mark.
std::string ExportChannelsCsv(const ProjectImage& image);

// The largest file taken: a channel list is a few kilobytes; anything far larger is not one.
inline constexpr size_t kMaxChannelCsvSize = 1 << 20;

// Reads a CSV file over the image, all or nothing: the header's captions in any order (the
// channel number column is required), channel numbers 1 to 16 each at most once, every value
// through the grid's parsers with the band clamp and raster. Channels without a row stay as
// they were. On an error the image is untouched and the error names line, column and value.
ChannelListResult ImportChannelsCsv(std::string_view csv, ProjectImage& image,
                                    const BandLimits& band);

}  // namespace radioprog
