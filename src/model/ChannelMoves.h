#pragma once
// Channel operations on several channels at once: moving whole records up or down, and
// clearing them.

#include <optional>
#include <span>
#include <vector>

#include "model/ProjectImage.h"

namespace radioprog {

// Moves the given channels (1..16, any order, gaps allowed) one place up (step -1) or down
// (step +1). Each takes its whole 72-byte record and its in-use bit along, the fields without
// a grid column included; the channel it passes moves the other way. Nothing moves when one
// of them is already at the edge. Gives the channels' new numbers, ascending.
std::optional<std::vector<int>> MoveChannels(ProjectImage& image, std::span<const int> channels,
                                             int step);

// The same move as single steps, for a view that follows each one: the channels in the order
// in which each passes its neighbour at channel + step; nothing when the move cannot be made.
std::optional<std::vector<int>> ChannelMoveOrder(std::span<const int> channels, int step);
// One step of a move: channel and channel + step trade records and in-use bits.
void MoveChannelOnePlace(ProjectImage& image, int channel, int step);

// Marks the channels unused, as emptying their receive frequency in the grid does: the
// records stay, so typing a frequency again brings the old name back.
void ClearChannels(ProjectImage& image, std::span<const int> channels);

}  // namespace radioprog
