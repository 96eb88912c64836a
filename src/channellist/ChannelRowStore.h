#pragma once
// Storing one row of texts into a channel, as the grid would store each typed value.

#include <array>
#include <optional>
#include <string>

#include "channellist/ChannelColumns.h"

namespace radioprog {

// The texts of one row, by column; a column the row does not have is nullopt.
using ChannelRowCells = std::array<std::optional<std::string>, kChannelColumnCount>;

// Whether a tone outside the standard list is refused. Channels copied in this program carry
// their stored tones exactly, whatever a radio or a foreign file put there: they are kept.
enum class TonesOutsideTheList { Refuse, Keep };

// Whether a name may hold control characters. A list file's names are refused with one: a line
// break inside a name breaks every list and sheet it is written to. A paste keeps what a
// spreadsheet's quoted cell held.
enum class ControlsInNames { Refuse, Keep };

struct ChannelCellError {
    ChannelColumn column = ChannelColumn::Number;
    std::string why;
};

// Stores one row into channel n as the grid would store each typed value, but refuses what the
// grid would change: a frequency outside the band or off the raster, a tone the tone list does
// not hold (unless a channel of the project already has it). Tones go through the tone parser with
// the squelch-mode follow-up when the row states no squelch mode (a stated one is stored as it is).
// An empty receive frequency clears the channel; a row for an unused channel without one leaves
// it unused. A cell that reads as what the channel already holds leaves the stored bytes alone,
// so values no text shows exactly survive a round trip. An empty word cell or transmit
// frequency states nothing and keeps the field (a channel the row starts transmits on its
// receive frequency); "0" is no transmit frequency. Importing rows onto their own result changes
// nothing. On an error the channel may be half written: callers work on a copy.
std::optional<ChannelCellError> StoreChannelRow(
    const ChannelRowCells& cells, int channel, ProjectImage& image, const BandLimits& band,
    TonesOutsideTheList outside = TonesOutsideTheList::Refuse,
    ControlsInNames controls = ControlsInNames::Refuse);

}  // namespace radioprog
