#pragma once
// What a radio can hold at all, whatever band it is set to: frequencies in 136-174, 200-260
// or 300-520 MHz. A band or a channel outside them is no setting the radio can work with, so
// nothing outside them may be sent to one.

#include <cstdint>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

// The radio's ranges in words, for messages.
inline constexpr const char* kRadioRangesText = "136-174, 200-260, 300-520 MHz";

// Whether the radio can hold the frequency.
bool IsFrequencyTheRadioHolds(uint32_t hz);

// Whether the radio takes the limits as its band: both in its ranges, the lower one first.
bool IsBandTheRadioAccepts(const BandLimits& band);

// "400.00000–480.00000 MHz".
std::string BandText(const BandLimits& band);

// A channel the radio can hold: its receive frequency in the ranges, its transmit frequency in
// them or 0 (no transmit). The radio reads a channel at 0 Hz back as an empty one.
bool CanRadioHoldChannel(ConstChannelRecord channel);

// The channels in use (1..16) whose frequencies the radio cannot hold.
std::vector<int> ChannelsTheRadioCannotHold(const ProjectImage& image);

// Whether a write of the image leaves the radio with a channel: one in use that it can hold.
bool HasChannelTheRadioHolds(const ProjectImage& image);

}  // namespace radioprog
