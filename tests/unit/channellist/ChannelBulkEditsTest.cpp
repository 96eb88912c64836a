#include "channellist/ChannelBulkEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace radioprog {
namespace {

constexpr int kFirstField = static_cast<int>(ChannelColumn::RxFreq);

// Every byte random, so that a copy touching a neighbouring field or channel shows; channels 1
// to 6 in use, 7 to 16 unused.
ProjectImage VariedImage() {
    std::mt19937 random(31);
    ProjectImage image;
    for (auto& b : image.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, n <= 6);
        image.Channel(n).SetRxFreq(440000000 + static_cast<uint32_t>(n) * 12500);
    }
    return image;
}

std::string Text(const ProjectImage& image, int channel, int column) {
    return ChannelFieldText(image, channel, static_cast<ChannelColumn>(column));
}

// Each field copied from channel 2 into 3, 4 and 7: the targets in use take the source's
// value of that field and keep the others (a receive tone brings its squelch mode along);
// every other channel, the source included, keeps every field; the unused target stays unused
// unless the field is the receive frequency, which starts it.
TEST(ChannelBulkEdits, CopyTakesOneFieldIntoTheTargetsAndNothingElse) {
    for (int column = kFirstField; column < kChannelColumnCount; ++column) {
        const auto field = static_cast<ChannelColumn>(column);
        SCOPED_TRACE(ColumnHeader(field));
        const ProjectImage before = VariedImage();
        ProjectImage image = before;
        const std::vector<int> targets = {3, 4, 7};
        const std::vector<int> changed = CopyChannelField(image, 2, targets, field);

        const bool startsUnused = field == ChannelColumn::RxFreq;
        // Every target whose cells changed is reported, and no other channel.
        std::vector<int> textChanged;
        for (const int n : targets) {
            for (int other = kFirstField; other < kChannelColumnCount; ++other) {
                if (Text(image, n, other) != Text(before, n, other) ||
                    image.IsChannelValid(n) != before.IsChannelValid(n)) {
                    textChanged.push_back(n);
                    break;
                }
            }
        }
        EXPECT_TRUE(std::ranges::includes(changed, textChanged));
        EXPECT_TRUE(std::ranges::includes(targets, changed));
        EXPECT_EQ(image.IsChannelValid(7), startsUnused);
        for (int n = 1; n <= kChannelCount; ++n) {
            const bool target = n == 3 || n == 4;
            for (int other = kFirstField; other < kChannelColumnCount; ++other) {
                const bool follows = field == ChannelColumn::RxTone &&
                                     other == static_cast<int>(ChannelColumn::SquelchMode);
                if (target && (other == column || follows)) {
                    continue;
                }
                if (n == 7 && startsUnused) {
                    continue;
                }
                EXPECT_EQ(Text(image, n, other), Text(before, n, other)) << n << "/" << other;
            }
            if (target) {
                EXPECT_EQ(Text(image, n, column), Text(before, 2, column)) << n;
            }
        }
        if (startsUnused) {
            EXPECT_EQ(image.Channel(7).RxFreq(), before.Channel(2).RxFreq());
            EXPECT_EQ(image.Channel(7).TxFreq(), before.Channel(2).RxFreq());
        }
    }
}

// A receive tone copied into a channel without one switches its squelch to the tone, as
// typing the tone into that channel does.
TEST(ChannelBulkEdits, ACopiedReceiveToneBringsTheSquelchModeAlong) {
    ProjectImage image = VariedImage();
    image.Channel(1).SetRxTone(2, 885);
    image.Channel(2).SetRxTone(0, 0);
    image.Channel(2).SetSquelchMode(0);
    ProjectImage typed = image;
    typed.Channel(2).SetRxTone(2, 885);
    typed.Channel(2).FollowReceiveTone(0);
    ASSERT_NE(typed.Channel(2).SquelchMode(), 0);

    CopyChannelField(image, 1, std::vector<int>{2}, ChannelColumn::RxTone);
    EXPECT_EQ(image.Channel(2).SquelchMode(), typed.Channel(2).SquelchMode());
}

// Nothing to copy: an unused source has empty cells, the number is no field, and channels
// outside 1-16 are ignored rather than written past the records.
TEST(ChannelBulkEdits, NothingIsCopiedFromAnEmptySourceOrIntoNoChannel) {
    const ProjectImage before = VariedImage();
    ProjectImage image = before;
    EXPECT_TRUE(CopyChannelField(image, 8, std::vector<int>{1, 2}, ChannelColumn::Power).empty());
    EXPECT_TRUE(CopyChannelField(image, 1, std::vector<int>{2}, ChannelColumn::Number).empty());
    EXPECT_TRUE(
        CopyChannelField(image, 1, std::vector<int>{0, 17, -1}, ChannelColumn::RxFreq).empty());
    EXPECT_TRUE(CopyChannelField(image, 0, std::vector<int>{2}, ChannelColumn::RxFreq).empty());
    EXPECT_TRUE(FillDown(image, {}, ChannelColumn::RxFreq).empty());
    EXPECT_TRUE(std::ranges::equal(image.Raw(), before.Raw()));
}

// Fill down starts from the lowest channel whatever order the selection came in.
TEST(ChannelBulkEdits, FillDownCopiesTheFirstChannelIntoTheRest) {
    ProjectImage image = VariedImage();
    image.Channel(2).SetHighPower(true);
    image.Channel(5).SetHighPower(false);
    image.Channel(6).SetHighPower(false);
    EXPECT_EQ(FillDown(image, std::vector<int>{6, 2, 5}, ChannelColumn::Power),
              (std::vector<int>{6, 5}));
    EXPECT_TRUE(image.Channel(5).HighPower());
    EXPECT_TRUE(image.Channel(6).HighPower());
}

struct DuplexCase {
    DuplexShift shift;
    uint32_t offset;
    std::vector<int> channels;
    std::optional<DuplexRefusal::Why> refused;
    int refusedChannel;
};

// Transmit frequencies from receive ones: all or nothing. Channels 1-6 receive on
// 440.0125 + (n-1) * 12.5 kHz; channel 3's receive frequency is off the raster.
TEST(ChannelBulkEdits, DuplexOffsetAppliesToEveryChannelOrToNone) {
    using Why = DuplexRefusal::Why;
    const DuplexCase cases[] = {
        {DuplexShift::Plus, 5000000, {1, 2, 4, 7}, std::nullopt, 0},
        {DuplexShift::Minus, 5000000, {1, 2}, std::nullopt, 0},
        {DuplexShift::Simplex, 5000000, {1, 2}, std::nullopt, 0},
        {DuplexShift::Plus, 0, {1}, std::nullopt, 0},
        // 480 MHz is the band's top: 440.05 + 40 is past it, 440.0125 + 39.9875 is on it.
        {DuplexShift::Plus, 39987500, {1}, std::nullopt, 0},
        {DuplexShift::Plus, 39987501, {1, 2}, Why::OutsideBand, 1},
        {DuplexShift::Plus, 39950000, {1, 2, 4, 5, 6}, Why::OutsideBand, 5},
        {DuplexShift::Minus, 40100000, {2}, Why::OutsideBand, 2},
        {DuplexShift::Minus, 4294967295U, {2}, Why::OutsideBand, 2},
        {DuplexShift::Plus, 1000, {1, 2}, Why::OffRaster, 1},
        {DuplexShift::Plus, 5000000, {1, 3}, Why::OffRaster, 3},
        {DuplexShift::Plus, 5000000, {7, 8}, Why::NoChannelInUse, 0},
        {DuplexShift::Plus, 5000000, {}, Why::NoChannelInUse, 0},
    };
    for (const DuplexCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.shift) << " " << c.offset << " on "
                                          << c.channels.size() << " channels");
        ProjectImage image = VariedImage();
        image.Channel(3).SetRxFreq(440031000);
        const ProjectImage before = image;
        const auto refusal =
            SetDuplexOffset(image, c.channels, c.shift, c.offset, BandLimits{400000000, 480000000});
        if (c.refused) {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->why, *c.refused);
            EXPECT_EQ(refusal->channel, c.refusedChannel);
            EXPECT_TRUE(std::ranges::equal(image.Raw(), before.Raw()));
            continue;
        }
        ASSERT_FALSE(refusal.has_value());
        const int64_t sign = c.shift == DuplexShift::Plus    ? 1
                             : c.shift == DuplexShift::Minus ? -1
                                                             : 0;
        for (int n = 1; n <= kChannelCount; ++n) {
            const bool set = before.IsChannelValid(n) && std::ranges::count(c.channels, n) > 0;
            const int64_t expected = set ? int64_t{before.Channel(n).RxFreq()} + sign * c.offset
                                         : before.Channel(n).TxFreq();
            EXPECT_EQ(image.Channel(n).TxFreq(), expected) << n;
            EXPECT_EQ(image.Channel(n).RxFreq(), before.Channel(n).RxFreq()) << n;
        }
    }
}

// What the offset field takes: a sign and megahertz; nothing else is guessed.
TEST(ChannelBulkEdits, AnOffsetIsASignAndMegahertz) {
    const struct {
        const char* text;
        std::optional<DuplexShift> shift;
        uint32_t hz;
    } cases[] = {
        {"+5", DuplexShift::Plus, 5000000},
        {" -7.6 ", DuplexShift::Minus, 7600000},
        {"+0.6", DuplexShift::Plus, 600000},
        {"- 10", DuplexShift::Minus, 10000000},
        {"0", DuplexShift::Simplex, 0},
        {"+0", DuplexShift::Simplex, 0},
        {"-0.000", DuplexShift::Simplex, 0},
        {"5", std::nullopt, 0},
        {"", std::nullopt, 0},
        {"+", std::nullopt, 0},
        {"+-5", std::nullopt, 0},
        {"+5 MHz", std::nullopt, 0},
        {"++5", std::nullopt, 0},
        {"+5.", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<DuplexEntry> entry = ParseDuplexOffset(c.text);
        ASSERT_EQ(entry.has_value(), c.shift.has_value());
        if (entry) {
            EXPECT_EQ(entry->shift, *c.shift);
            EXPECT_EQ(entry->offsetHz, c.hz);
        }
    }
}

}  // namespace
}  // namespace radioprog
