#pragma once
// Channels on the clipboard as tab-separated text, the form spreadsheets copy and paste:
// whole records, the grid's columns first, without a caption row.

#include <span>
#include <string>
#include <string_view>

#include "channellist/ChannelList.h"

namespace radioprog {

// The columns of a copy, in order.
std::span<const ChannelColumn> ClipboardColumns();

// One line per channel, in the given order, words in the grid's language; an unused channel
// is a line of empty cells, which clears the channel it is pasted onto.
std::string ChannelsAsTsv(const ProjectImage& image, std::span<const int> channels,
                          THaldenFuncs::TLangType words);

// Stores tab-separated rows from firstChannel down, all or nothing. A first row of captions
// places the columns (the channel number column is then skipped); without one, cells follow
// the order of a copy, or of a channel list when a row has a cell for every column. A cell
// that does not parse, or a row past channel 16, leaves the image as it was. Text this program
// copied keeps tones outside the list (outside = Keep); other text has them refused.
ChannelListResult PasteChannelsTsv(std::string_view text, int firstChannel, ProjectImage& image,
                                   const BandLimits& band,
                                   TonesOutsideTheList outside = TonesOutsideTheList::Refuse);

}  // namespace radioprog
