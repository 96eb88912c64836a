#include "channellist/ChannelClipboardText.h"

#include <gtest/gtest.h>

#include "ChannelListTestSupport.h"

namespace radioprog {
namespace {

using testing::kWholeRange;
using THaldenFuncs::TLangType;

TEST(ChannelClipboardText, CopiedChannelsPasteBackIdentically) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const ProjectImage original = testing::RepresentableImage(random);
        for (const TLangType words :
             {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
            const int channels[] = {4, 5, 6, 7};
            const std::string tsv = ChannelsAsTsv(original, channels, words);

            ProjectImage same = original;
            ASSERT_TRUE(PasteChannelsTsv(tsv, 4, same, kWholeRange));
            EXPECT_TRUE(std::ranges::equal(same.Raw(), original.Raw())) << "seed " << seed;

            // Onto other channels of a fresh project the parsers alone carry every field.
            ProjectImage other;
            other.ResetToDefaults();
            const auto result = PasteChannelsTsv(tsv, 10, other, kWholeRange);
            ASSERT_TRUE(result) << result.error.Message();
            EXPECT_EQ(result.rows, 4);
            ProjectImage moved;
            moved.ResetToDefaults();
            for (int k = 0; k < 4; ++k) {
                std::ranges::copy(ProjectImage(original).Channel(4 + k).Bytes(),
                                  moved.Channel(10 + k).Bytes().begin());
                moved.SetChannelValid(10 + k, original.IsChannelValid(4 + k));
            }
            testing::ExpectSameChannels(other, moved, "seed " + std::to_string(seed));
        }
    }
}

TEST(ChannelClipboardText, TakesWhatASpreadsheetCopies) {
    ProjectImage image;
    image.ResetToDefaults();
    // Two rows with CRLF, quoted cells with a tab, a quote and a line break in the name,
    // the trailing columns left out of the selection.
    const std::string tsv =
        "146.52\t146.52\t88.5\t\"D023N\"\tLow\tNarrow\tCAT\t\"a\tb\"\r\n"
        "147.0\t0\tOff\tOff\tHigh\tWide\tOFF\t\"q\"\"\r\n\"\r\n";
    const auto result = PasteChannelsTsv(tsv, 15, image, BandLimits{136000000, 174000000});
    ASSERT_TRUE(result) << result.error.Message();
    const auto first = image.Channel(15);
    EXPECT_EQ(first.RxFreq(), 146520000u);
    EXPECT_EQ(first.TxToneType(), kToneDcsNormal);
    EXPECT_FALSE(first.HighPower());
    EXPECT_FALSE(first.Wide());
    EXPECT_EQ(first.BusyFit(), 2);
    EXPECT_TRUE(first.ScanAdd()) << "a column left out keeps the new channel's default";
    EXPECT_EQ(image.Text(ChannelNameField(15)), "a\tb");
    EXPECT_EQ(image.Channel(16).TxFreq(), 0u);
    EXPECT_EQ(image.Text(ChannelNameField(16)), "q\"\r\n");
}

TEST(ChannelClipboardText, CaptionRowOrAWholeListRowPlacesTheColumns) {
    ProjectImage image;
    image.ResetToDefaults();
    const BandLimits band{400000000, 480000000};
    ASSERT_TRUE(PasteChannelsTsv("Name\tNO.\tRX Freq.\nX\t9\t430\n", 2, image, band));
    EXPECT_EQ(image.Channel(2).RxFreq(), 430000000u) << "rows land from the current channel";
    EXPECT_EQ(image.Text(ChannelNameField(2)), "X");
    EXPECT_FALSE(image.IsChannelValid(9));

    // Rows as a channel list file has them, channel number first, without the captions.
    ASSERT_TRUE(PasteChannelsTsv("7\t440\t441\tOff\tOff\tLow\tWide\tOFF\tY\tDEL\tOFF\tCarrier\n", 3,
                                 image, band));
    EXPECT_EQ(image.Channel(3).RxFreq(), 440000000u);
    EXPECT_EQ(image.Channel(3).TxFreq(), 441000000u);
    EXPECT_FALSE(image.Channel(3).ScanAdd());
}

TEST(ChannelClipboardText, ABadCellOrTooManyRowsPasteNothing) {
    struct Case {
        const char* what;
        std::string tsv;
        int first, line, column;
    };
    const Case cases[] = {
        {"bad tone in the second row", "146\t146\tOff\n147\t147\tD999N\n", 1, 2, 3},
        {"bad frequency", "146\tabc\n", 1, 1, 2},
        {"past channel 16", "146\n147\n148\n", 15, 3, 1},
        {"a cell too many", "146\t146\tOff\tOff\tHigh\tWide\tOFF\tN\tADD\tOFF\tCarrier\tx\ty\n", 1,
         1, 12},
        {"nothing to paste", "\r\n\r\n", 1, 1, 1},
        {"unclosed quote", "146\t\"abc\n", 1, 1, 2},
        {"outside the band", "146\t146\n\t\t\t\t\t\n520\t520\n", 1, 3, 1},
        {"off the raster", "146\t146.0001\n", 1, 1, 2},
        {"a tone the list does not hold", "146\t146\t99.9\n", 1, 1, 3},
    };
    std::mt19937 random(8);
    const ProjectImage original = testing::RepresentableImage(random);
    const BandLimits band{136000000, 480000000};
    for (const Case& c : cases) {
        ProjectImage image = original;
        const auto result = PasteChannelsTsv(c.tsv, c.first, image, band);
        ASSERT_FALSE(result) << c.what;
        EXPECT_EQ(result.error.line, c.line) << c.what << ": " << result.error.Message();
        EXPECT_EQ(result.error.column, c.column) << c.what << ": " << result.error.Message();
        EXPECT_TRUE(std::ranges::equal(image.Raw(), original.Raw())) << c.what;
    }
}

}  // namespace
}  // namespace radioprog
