#include "model/RadioRanges.h"

#include "model/FreqCodec.h"

namespace radioprog {

bool IsFrequencyTheRadioHolds(uint32_t hz) {
    return IsBandEdgeValid(hz, hz);
}

bool IsBandTheRadioAccepts(const BandLimits& band) {
    return IsBandEdgeValid(band.lower, band.upper) && band.lower <= band.upper;
}

std::string BandText(const BandLimits& band) {
    return FreqToText(band.lower) + "-" + FreqToText(band.upper) + " MHz";
}

bool CanRadioHoldChannel(ConstChannelRecord channel) {
    return IsFrequencyTheRadioHolds(channel.RxFreq()) &&
           (channel.TxFreq() == 0 || IsFrequencyTheRadioHolds(channel.TxFreq()));
}

std::vector<int> ChannelsTheRadioCannotHold(const ProjectImage& image) {
    std::vector<int> channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (image.IsChannelValid(n) && !CanRadioHoldChannel(image.Channel(n))) {
            channels.push_back(n);
        }
    }
    return channels;
}

bool HasChannelTheRadioHolds(const ProjectImage& image) {
    for (int n = 1; n <= kChannelCount; ++n) {
        if (image.IsChannelValid(n) && CanRadioHoldChannel(image.Channel(n))) {
            return true;
        }
    }
    return false;
}

}  // namespace radioprog
