#include "model/RadioRanges.h"

#include <gtest/gtest.h>

#include <vector>

namespace radioprog {
namespace {

struct Edge {
    uint32_t hz;
    bool held;
};

// Both sides of every edge of the three ranges, and 0.
constexpr Edge kEdges[] = {
    {0, false},         {135999999, false},  {136000000, true}, {174000000, true},
    {174000001, false}, {199999999, false},  {200000000, true}, {260000000, true},
    {260000001, false}, {299999999, false},  {300000000, true}, {520000000, true},
    {520000001, false}, {4294967295, false},
};

TEST(RadioRanges, AChannelIsHeldWhenBothFrequenciesAreInTheRangesOrItDoesNotTransmit) {
    for (const Edge& edge : kEdges) {
        ProjectImage image;
        ChannelRecord channel = image.Channel(3);
        channel.InitialiseNew(edge.hz);
        EXPECT_EQ(CanRadioHoldChannel(channel), edge.held) << edge.hz;
        channel.SetTxFreq(0);
        EXPECT_EQ(CanRadioHoldChannel(channel), edge.held) << edge.hz << " receive only";
        channel.SetRxFreq(446000000);
        channel.SetTxFreq(edge.hz);
        EXPECT_EQ(CanRadioHoldChannel(channel), edge.held || edge.hz == 0) << edge.hz << " tx";
        EXPECT_EQ(IsBandTheRadioAccepts({edge.hz, edge.hz}), edge.held) << edge.hz;
    }
    EXPECT_FALSE(IsBandTheRadioAccepts({480000000, 400000000}));
}

TEST(RadioRanges, OnlyChannelsInUseAreNamedAndChannelsAt0HzAreNone) {
    ProjectImage image;
    EXPECT_FALSE(HasChannelTheRadioHolds(image));
    for (int n = 1; n <= kChannelCount; ++n) {
        image.Channel(n).InitialiseNew(0);
        image.SetChannelValid(n, n % 2 == 1);
    }
    EXPECT_FALSE(HasChannelTheRadioHolds(image));
    EXPECT_EQ(ChannelsTheRadioCannotHold(image), (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15}));

    image.Channel(16).InitialiseNew(446000000);
    EXPECT_FALSE(HasChannelTheRadioHolds(image)) << "channel 16 is not in use";
    image.SetChannelValid(16, true);
    EXPECT_TRUE(HasChannelTheRadioHolds(image));
    EXPECT_EQ(ChannelsTheRadioCannotHold(image).size(), 8u);
}

}  // namespace
}  // namespace radioprog
