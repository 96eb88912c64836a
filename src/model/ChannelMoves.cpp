#include "model/ChannelMoves.h"

#include <algorithm>

namespace radioprog {

namespace {

void SwapChannels(ProjectImage& image, int a, int b) {
    std::ranges::swap_ranges(image.Channel(a).Bytes(), image.Channel(b).Bytes());
    const bool aInUse = image.IsChannelValid(a);
    image.SetChannelValid(a, image.IsChannelValid(b));
    image.SetChannelValid(b, aInUse);
}

}  // namespace

std::optional<std::vector<int>> ChannelMoveOrder(std::span<const int> channels, int step) {
    std::vector<int> moving(channels.begin(), channels.end());
    std::ranges::sort(moving);
    moving.erase(std::unique(moving.begin(), moving.end()), moving.end());
    if (moving.empty() || (step != -1 && step != 1) || moving.front() + step < 1 ||
        moving.back() + step > kChannelCount || moving.front() < 1 ||
        moving.back() > kChannelCount) {
        return std::nullopt;
    }
    // Up, the topmost goes first; down, the lowest: each then passes a channel that stays.
    if (step > 0) {
        std::ranges::reverse(moving);
    }
    return moving;
}

void MoveChannelOnePlace(ProjectImage& image, int channel, int step) {
    SwapChannels(image, channel, channel + step);
}

std::optional<std::vector<int>> MoveChannels(ProjectImage& image, std::span<const int> channels,
                                             int step) {
    std::optional<std::vector<int>> moving = ChannelMoveOrder(channels, step);
    if (!moving) {
        return std::nullopt;
    }
    for (int& n : *moving) {
        MoveChannelOnePlace(image, n, step);
        n += step;
    }
    std::ranges::sort(*moving);
    return moving;
}

void ClearChannels(ProjectImage& image, std::span<const int> channels) {
    for (const int n : channels) {
        image.SetChannelValid(n, false);
    }
}

}  // namespace radioprog
