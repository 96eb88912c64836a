#pragma once
// Edits that set one field of several channels at once: a value copied from one channel into
// others (fill down, "apply to the selected channels"), and transmit frequencies made from the
// receive ones with a duplex offset. Each either applies whole or refuses whole, so an undo
// step never holds half of one.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "channellist/ChannelColumns.h"
#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

// Copies the field of channel source into each target channel, with the rules of typing it:
// a receive tone carries the squelch mode along, a receive frequency starts an unused target
// channel as a new one. Other fields of an unused target are left alone, as the grid leaves
// them locked. Nothing changes when the source is not in use (its cells are empty) or the
// column is the channel number. Gives the targets that now hold another value.
std::vector<int> CopyChannelField(ProjectImage& image, int source, std::span<const int> targets,
                                  ChannelColumn field);

// Fill down: the first of the channels (ascending) into the rest.
std::vector<int> FillDown(ProjectImage& image, std::span<const int> channels, ChannelColumn field);

enum class DuplexShift { Simplex, Plus, Minus };

struct DuplexEntry {
    DuplexShift shift = DuplexShift::Simplex;
    uint32_t offsetHz = 0;
};
// "+5", "-7.6", "+0.6": a sign and megahertz as the frequency cells take them; a zero offset,
// signed or not, is simplex. A non-zero offset without a sign says no direction: nothing.
std::optional<DuplexEntry> ParseDuplexOffset(std::string_view text);

struct DuplexRefusal {
    enum class Why { NoChannelInUse, OutsideBand, OffRaster };
    Why why = Why::NoChannelInUse;
    int channel = 0;   // the first channel whose result is refused
    int64_t txHz = 0;  // what its transmit frequency would have been
};

// Transmit = receive, receive + offset or receive - offset for every channel in use among
// channels. A result outside the band or off the channel raster is refused, naming the first
// such channel, and then no channel changes: a transmit frequency the radio would move on its
// own is not one the user asked for.
std::optional<DuplexRefusal> SetDuplexOffset(ProjectImage& image, std::span<const int> channels,
                                             DuplexShift shift, uint32_t offsetHz,
                                             const BandLimits& band);

}  // namespace radioprog
