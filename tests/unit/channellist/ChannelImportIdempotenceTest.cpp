// The squelch mode a list states is the one stored, and a list imported onto its own result
// changes nothing, whatever the list leaves out.

#include <gtest/gtest.h>

#include "ChannelListTestSupport.h"
#include "channellist/ChannelClipboardText.h"
#include "channellist/ChannelCsv.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

constexpr uint8_t kCarrier = 0, kTone = 2;

ProjectImage OneChannel(uint8_t rxToneType, uint16_t rxToneCode, uint8_t squelch) {
    ProjectImage image;
    image.ResetToDefaults();
    ChannelRecord ch = image.Channel(1);
    ch.InitialiseNew(146520000);
    ch.SetRxTone(rxToneType, rxToneCode);
    ch.SetSquelchMode(squelch);
    image.SetChannelValid(1, true);
    return image;
}

uint8_t SquelchAfterImport(ProjectImage image, const std::string& csv) {
    const auto result = ImportChannelsCsv(csv, image, kWholeRange);
    EXPECT_TRUE(result) << result.error.Message();
    return image.Channel(1).SquelchMode();
}

TEST(ChannelImportSquelch, AStatedModeWinsOverTheReceiveTonesFollowUp) {
    // A tone on a carrier channel: the follow-up would make it CTC/DCS; the list says carrier.
    EXPECT_EQ(SquelchAfterImport(OneChannel(kToneNone, 0, kCarrier),
                                 "NO.,QT/DQT Dec,Squelch Mode\r\n1,88.5,Carrier\r\n"),
              kCarrier);
    // The tone removed: the follow-up would make it carrier; the list keeps CTC/DCS.
    EXPECT_EQ(SquelchAfterImport(OneChannel(kToneCtcss, 885, kTone),
                                 "NO.,QT/DQT Dec,Squelch Mode\r\n1,Off,CTC/DCS\r\n"),
              kTone);
    // Without the column (or with the cell left empty) the list says nothing: the follow-up
    // applies as in the grid.
    EXPECT_EQ(
        SquelchAfterImport(OneChannel(kToneNone, 0, kCarrier), "NO.,QT/DQT Dec\r\n1,88.5\r\n"),
        kTone);
    EXPECT_EQ(SquelchAfterImport(OneChannel(kToneNone, 0, kCarrier),
                                 "NO.,QT/DQT Dec,Squelch Mode\r\n1,88.5,\r\n"),
              kTone);

    // A pasted row that states the mode is taken the same way.
    ProjectImage image = OneChannel(kToneNone, 0, kCarrier);
    ASSERT_TRUE(
        PasteChannelsTsv("146.52\t146.52\t88.5\tOff\tHigh\tWide\tOFF\t\tADD\tOFF\tCarrier\n", 1,
                         image, kWholeRange));
    EXPECT_EQ(image.Channel(1).SquelchMode(), kCarrier);
}

// Lists a person or another project would bring: whole exports of another project, and the
// same with columns left out and cells emptied.
std::vector<std::string> ListsFrom(std::mt19937& random) {
    const std::string whole = ExportChannelsCsv(testing::RepresentableImage(random));
    std::vector<std::string> lists = {whole};
    TextTableParse table = ParseTextTable(whole, ',');
    for (int variant = 0; variant < 4; ++variant) {
        std::vector<size_t> kept = {0};  // the channel number is always there
        for (size_t c = 1; c < table.rows[0].cells.size(); ++c) {
            if (random() % 3 != 0) {
                kept.push_back(c);
            }
        }
        std::vector<std::vector<std::string>> rows;
        for (size_t r = 0; r < table.rows.size(); ++r) {
            auto& row = rows.emplace_back();
            for (const size_t c : kept) {
                const bool emptied = r > 0 && c > 1 && random() % 4 == 0;
                row.push_back(emptied ? std::string() : table.rows[r].cells[c]);
            }
        }
        lists.push_back(FormatTextTable(rows, ',', "\r\n"));
    }
    return lists;
}

// An empty transmit frequency states nothing: a channel the row starts transmits on its receive
// frequency, and the second import of the same row keeps that instead of taking it away.
TEST(ChannelImport, AnEmptyTransmitFrequencyKeepsTheField) {
    ProjectImage image;
    image.ResetToDefaults();
    const std::string list = "NO.,RX Freq.,TX Freq.\r\n3,146.5,\r\n";
    ASSERT_TRUE(ImportChannelsCsv(list, image, kWholeRange));
    EXPECT_EQ(image.Channel(3).TxFreq(), 146500000u);
    ASSERT_TRUE(ImportChannelsCsv(list, image, kWholeRange));
    EXPECT_EQ(image.Channel(3).TxFreq(), 146500000u);
    ASSERT_TRUE(ImportChannelsCsv("NO.,TX Freq.\r\n3,0\r\n", image, kWholeRange));
    EXPECT_EQ(image.Channel(3).TxFreq(), 0u) << "0 is no transmit frequency";
}

TEST(ChannelImport, ImportingAListOntoItsOwnResultChangesNothing) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const ProjectImage base = testing::RepresentableImage(random);
        for (const std::string& list : ListsFrom(random)) {
            ProjectImage once = base;
            const auto first = ImportChannelsCsv(list, once, kWholeRange);
            ASSERT_TRUE(first) << "seed " << seed << ": " << first.error.Message();
            ProjectImage twice = once;
            ASSERT_TRUE(ImportChannelsCsv(list, twice, kWholeRange));
            ASSERT_TRUE(std::ranges::equal(twice.Raw(), once.Raw())) << "seed " << seed << "\n"
                                                                     << list;
        }
    }
}

}  // namespace
}  // namespace radioprog
