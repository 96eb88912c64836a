#include "model/ChannelMoves.h"

#include <gtest/gtest.h>

#include <random>

namespace radioprog {
namespace {

// Every channel record of its own random bytes, some channels in use.
ProjectImage NumberedImage() {
    std::mt19937 random(4);
    ProjectImage image;
    for (auto& b : image.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    return image;
}

std::vector<uint8_t> Record(const ProjectImage& image, int n) {
    const auto bytes = image.Raw().subspan(
        image::ChannelsStart + image::ChannelRecordSize * static_cast<size_t>(n),
        image::ChannelRecordSize);
    return {bytes.begin(), bytes.end()};
}

// Whether channel `to` of after holds what channel `from` of before held, in-use bit included.
void ExpectCameFrom(const ProjectImage& after, int to, const ProjectImage& before, int from) {
    EXPECT_EQ(Record(after, to), Record(before, from)) << to << " from " << from;
    EXPECT_EQ(after.IsChannelValid(to), before.IsChannelValid(from)) << to << " from " << from;
}

TEST(ChannelMoves, WholeRecordsMoveAndTheChannelsPassedMoveTheOtherWay) {
    struct Case {
        std::vector<int> channels;
        int step;
        std::vector<int> moved;
        std::vector<int> order;  // which old channel each of 1..16 holds afterwards
    };
    const Case cases[] = {
        {{16}, -1, {15}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15}},
        {{2, 3}, -1, {1, 2}, {2, 3, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {{5, 3}, 1, {4, 6}, {1, 2, 4, 3, 6, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {{14, 15}, 1, {15, 16}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 14, 15}},
    };
    const ProjectImage before = NumberedImage();
    for (const Case& c : cases) {
        ProjectImage image = before;
        const auto moved = MoveChannels(image, c.channels, c.step);
        ASSERT_TRUE(moved);
        EXPECT_EQ(*moved, c.moved);
        for (int n = 1; n <= kChannelCount; ++n) {
            ExpectCameFrom(image, n, before, c.order[static_cast<size_t>(n - 1)]);
        }
        // Nothing outside the channels changes, slot 0 and the valid bits of others included.
        EXPECT_TRUE(
            std::equal(image.Raw().begin(),
                       image.Raw().begin() + image::ChannelsStart + image::ChannelRecordSize,
                       before.Raw().begin()));
    }
}

TEST(ChannelMoves, NothingMovesPastTheEdges) {
    const ProjectImage before = NumberedImage();
    const std::pair<std::vector<int>, int> refused[] = {{{1, 5}, -1}, {{16}, 1},  {{}, 1},
                                                        {{0}, 1},     {{17}, -1}, {{3}, 2}};
    for (const auto& [channels, step] : refused) {
        ProjectImage image = before;
        EXPECT_FALSE(MoveChannels(image, channels, step));
        EXPECT_TRUE(std::ranges::equal(image.Raw(), before.Raw()));
    }
}

TEST(ChannelMoves, ClearingKeepsTheRecords) {
    const ProjectImage before = NumberedImage();
    ProjectImage image = before;
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, true);
    }
    const int cleared[] = {2, 9};
    ClearChannels(image, cleared);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(image.IsChannelValid(n), n != 2 && n != 9) << n;
        EXPECT_EQ(Record(image, n), Record(before, n)) << n;
    }
}

}  // namespace
}  // namespace radioprog
