// The memory of frequencies stored otherwise than typed: a mark lasts exactly as long as the
// project still holds the value it was made for, and travels with its channel.

#include <gtest/gtest.h>

#include "model/ChannelMoves.h"
#include "model/MovedValues.h"

namespace radioprog {
namespace {

ProjectImage WithChannels(std::initializer_list<std::pair<int, uint32_t>> channels) {
    ProjectImage image;
    for (const auto& [n, hz] : channels) {
        image.Channel(n).InitialiseNew(hz);
        image.SetChannelValid(n, true);
    }
    return image;
}

TEST(MovedValuesTest, AMarkHoldsWhileTheFieldKeepsTheStoredValueAndTheChannelIsInUse) {
    ProjectImage image = WithChannels({{1, 480000000}, {5, 462675000}});
    MovedValues moved;
    moved.Mark(5, MovedField::TxFreq, "462.6789", 462675000);
    moved.Mark(1, MovedField::RxFreq, "500", 480000000);
    moved.Mark(1, MovedField::TxFreq, "0.5", 400000000);  // the field holds something else

    const std::vector<MovedValue> held = moved.InForce(image);
    ASSERT_EQ(held.size(), 2u);
    EXPECT_EQ(held[0].channel, 1);  // in channel order, whatever the order of marking
    EXPECT_EQ(held[0].typed, "500");
    EXPECT_EQ(held[1].channel, 5);
    EXPECT_EQ(moved.Find(image, 1, MovedField::TxFreq), nullptr);

    image.Channel(5).SetTxFreq(462700000);  // changed by other means: undo, paste, an import
    EXPECT_EQ(moved.Find(image, 5, MovedField::TxFreq), nullptr);
    image.Channel(5).SetTxFreq(462675000);  // and back again (redo): marked again
    EXPECT_NE(moved.Find(image, 5, MovedField::TxFreq), nullptr);

    image.SetChannelValid(1, false);  // an unused channel writes no frequency
    EXPECT_EQ(moved.Find(image, 1, MovedField::RxFreq), nullptr);
    image.SetChannelValid(1, true);

    moved.Mark(1, MovedField::RxFreq, "480.0000001", 480000000);  // marked again: one mark
    moved.Clear(5, MovedField::TxFreq);
    ASSERT_EQ(moved.InForce(image).size(), 1u);
    EXPECT_EQ(moved.InForce(image)[0].typed, "480.0000001");
    moved.ClearAll();
    EXPECT_TRUE(moved.InForce(image).empty());
}

TEST(MovedValuesTest, AMarkTravelsWithItsChannelWhenChannelsTradePlaces) {
    ProjectImage image = WithChannels({{2, 480000000}, {3, 438500000}});
    MovedValues moved;
    moved.Mark(2, MovedField::RxFreq, "500", 480000000);
    moved.Mark(3, MovedField::TxFreq, "438.5", 438500000);

    MoveChannelOnePlace(image, 2, +1);
    moved.FollowMove(2, +1);
    EXPECT_NE(moved.Find(image, 3, MovedField::RxFreq), nullptr);
    EXPECT_NE(moved.Find(image, 2, MovedField::TxFreq), nullptr);
    EXPECT_EQ(moved.Find(image, 2, MovedField::RxFreq), nullptr);
}

}  // namespace
}  // namespace radioprog
