#include "channellist/ChannelCsv.h"

#include <gtest/gtest.h>

#include <memory>

#include "ChannelListTestSupport.h"
#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

ProjectImage RandomBytes(std::mt19937& random) {
    ProjectImage image;
    for (auto& b : image.Raw()) {
        b = static_cast<uint8_t>(random());
    }
    return image;
}

enum class RadioKind { S, Y, Legacy };

// What a read of a radio of this kind full of random bytes leaves in a random image.
ProjectImage ReadFromRandomRadio(std::mt19937& random, RadioKind kind, BandLimits& band) {
    ProjectImage image = RandomBytes(random);
    auto memory = std::make_unique<RadioMemory>();
    for (auto& b : memory->bytes) {
        b = static_cast<uint8_t>(random());
    }
    LastWriteTime time;
    if (kind == RadioKind::Legacy) {
        SetDataToSoftware_old(*memory, image, time);
    } else {
        SetDataToSoftware(*memory, kind == RadioKind::Y, image, band, time);
    }
    return image;
}

TEST(ChannelCsv, ExportThenImportGivesTheIdenticalImage) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        BandLimits band{static_cast<uint32_t>(random()), static_cast<uint32_t>(random())};
        std::vector<std::pair<std::string, ProjectImage>> images = {
            {"random bytes", RandomBytes(random)},
            {"representable", testing::RepresentableImage(random)},
        };
        for (const RadioKind kind : {RadioKind::S, RadioKind::Y, RadioKind::Legacy}) {
            images.emplace_back("radio kind " + std::to_string(static_cast<int>(kind)),
                                ReadFromRandomRadio(random, kind, band));
        }
        for (const auto& [what, original] : images) {
            ProjectImage imported = original;
            const auto result = ImportChannelsCsv(ExportChannelsCsv(original), imported, band);
            ASSERT_TRUE(result) << what << " seed " << seed << ": " << result.error.Message();
            EXPECT_EQ(result.rows, kChannelCount);
            ASSERT_TRUE(std::ranges::equal(imported.Raw(), original.Raw()))
                << what << " seed " << seed;
        }
    }
}

// Nothing of the original behind the import: every field must come through its parser.
TEST(ChannelCsv, ChannelsCarryOverIntoAnotherProjectFieldForField) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        const ProjectImage original = testing::RepresentableImage(random);
        ProjectImage other;
        other.ResetToDefaults();
        const auto result = ImportChannelsCsv(ExportChannelsCsv(original), other, kWholeRange);
        ASSERT_TRUE(result) << "seed " << seed << ": " << result.error.Message();
        testing::ExpectSameChannels(other, original, "seed " + std::to_string(seed));
    }
}

TEST(ChannelCsv, ExportReadsAsTheGridShowsTheChannels) {
    ProjectImage image;
    image.ResetToDefaults();
    auto ch = image.Channel(2);
    ch.InitialiseNew(438006250);
    ch.SetTxFreq(0);
    ch.SetRxTone(kToneDcsInverted, 0x2813);
    ch.SetTxTone(kToneCtcss, 885);
    ch.SetBusyFit(2);
    ch.SetSquelchMode(3);
    ch.SetDtmf(true);
    ch.SetWide(false);
    image.SetText(ChannelNameField(2), *EncodeCodePage("中,\"A", CodePage::Gbk));
    image.SetChannelValid(2, true);
    image.Channel(3).InitialiseNew(146520000);  // not in use: nothing of it is shown

    const std::string csv = ExportChannelsCsv(image);
    EXPECT_TRUE(csv.starts_with(
        "NO.,RX Freq.,TX Freq.,QT/DQT Dec,QT/DQT Enc,TX Power,Bandwidth,Busy Inhibit,Name,SCN,"
        "DTMF,Squelch Mode\r\n1,,,,,,,,,,,\r\n"))
        << csv;
    EXPECT_NE(csv.find("\r\n2,438.00625,0,D023I,88.5,High,Narrow,CAT,\"中,\"\"A\",ADD,ON,"
                       "DTMF and CTC/DCS\r\n3,,,,,,,,,,,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_TRUE(csv.ends_with("\r\n16,,,,,,,,,,,\r\n"));
}

// What a person does to an exported list in a spreadsheet or text editor.
TEST(ChannelCsv, ImportTakesAListEditedByHand) {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= 3; ++n) {
        image.Channel(n).InitialiseNew(146000000 + 25000 * static_cast<uint32_t>(n));
        image.SetChannelValid(n, true);
    }
    image.SetText(ChannelNameField(3), "KEEP");
    const ProjectImage before = image;
    const BandLimits band{136000000, 174000000};

    // Columns reordered and some left out, numbers as a spreadsheet writes them, words in
    // other cases, a channel number with a zero in front, a CRLF-less last line, a BOM.
    const std::string csv =
        "\xEF\xBB\xBF Name ,rx freq.,QT/DQT Dec,no.,tx power,TX Freq.\r\n"
        "Ch1,146.5,88.5,01,low,146.5\r\n"  // changed; tone on a carrier channel
        "\"频道\",174,off,5,,\r\n"         // new channel; empty TX keeps RX
        ",,,2,,\r\n"                       // empty RX: channel 2 no longer in use
        "Ch7,146.5125,d023n,7,HIGH,0";     // on the 6.25 kHz raster; TX 0 is none
    const auto result = ImportChannelsCsv(csv, image, band);
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_EQ(result.rows, 4);

    const auto one = image.Channel(1);
    EXPECT_EQ(one.RxFreq(), 146500000u);
    EXPECT_EQ(one.TxFreq(), 146500000u);
    EXPECT_EQ(one.RxToneType(), kToneCtcss);
    EXPECT_EQ(one.RxToneCode(), 885);
    EXPECT_EQ(one.SquelchMode(), 2) << "a receive tone turns carrier squelch into CTC/DCS";
    EXPECT_FALSE(one.HighPower());
    EXPECT_TRUE(one.Wide()) << "a column left out keeps the field";
    EXPECT_EQ(image.Text(ChannelNameField(1)), "Ch1");

    EXPECT_FALSE(image.IsChannelValid(2));
    EXPECT_TRUE(
        std::ranges::equal(image.Channel(2).Bytes(), ProjectImage(before).Channel(2).Bytes()))
        << "clearing a channel keeps its record, as the grid does";
    EXPECT_TRUE(
        std::ranges::equal(image.Channel(3).Bytes(), ProjectImage(before).Channel(3).Bytes()));
    EXPECT_TRUE(image.IsChannelValid(3)) << "a channel without a row stays as it was";

    const auto five = image.Channel(5);
    EXPECT_TRUE(image.IsChannelValid(5));
    EXPECT_EQ(five.RxFreq(), 174000000u);
    EXPECT_EQ(five.TxFreq(), 174000000u);
    EXPECT_EQ(five.RxToneType(), kToneNone);
    EXPECT_TRUE(five.HighPower() && five.Wide() && five.ScanAdd());
    EXPECT_EQ(image.Text(ChannelNameField(5)), *EncodeCodePage("频道", CodePage::Gbk));

    const auto seven = image.Channel(7);
    EXPECT_EQ(seven.RxFreq(), 146512500u);
    EXPECT_EQ(seven.TxFreq(), 0u);
    EXPECT_EQ(seven.RxToneType(), kToneDcsNormal);
    EXPECT_EQ(seven.RxToneCode(), 0x2813);
}

TEST(ChannelCsv, BadListsChangeNothingAndSayWhere) {
    struct Case {
        const char* what;
        std::string csv;
        int line, column;
    };
    const std::string header = "NO.,RX Freq.,QT/DQT Enc,Name\r\n";
    const Case cases[] = {
        {"empty file", "", 1, 1},
        {"only a byte order mark", "\xEF\xBB\xBF", 1, 1},
        {"binary junk",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         1, 1},
        {"junk that is not UTF-8", "\x89PNG\r\n\x1A\n\xFF\xD8", 1, 1},
        {"unknown column", "NO.,RX Freq.,Offset\r\n1,146.5,5\r\n", 1, 3},
        {"column twice", "NO.,Name,name\r\n", 1, 3},
        {"no channel column", "RX Freq.\r\n146.5\r\n", 2, 1},
        {"bad frequency", header + "1,146.5,Off,a\r\n2,146.,Off,b\r\n", 3, 2},
        {"frequency with unit", header + "1,146.5 MHz,Off,a\r\n", 2, 2},
        {"bad tone", header + "1,146.5,D029N,a\r\n", 2, 3},
        {"tone out of range", header + "1,146.5,35.0,a\r\n", 2, 3},
        {"channel 17", header + "1,146.5,Off,a\r\n17,146.5,Off,b\r\n", 3, 1},
        {"channel 0", header + "0,146.5,Off,a\r\n", 2, 1},
        {"channel not a number", header + "one,146.5,Off,a\r\n", 2, 1},
        {"duplicate channel", header + "4,146.5,Off,a\r\n04,147,Off,b\r\n", 3, 1},
        {"name too long", header + "1,146.5,Off,ABCDEFG\r\n", 2, 4},
        {"name the radio cannot show", header + "1,146.5,Off,\xF0\x9F\x93\xBB\r\n", 2, 4},
        {"short row", header + "1,146.5,Off\r\n", 2, 4},
        {"long row", header + "1,146.5,Off,a,b\r\n", 2, 5},
        {"stray quote", header + "1,146.5,Off,a\"b\r\n", 2, 4},
        {"bad word", "NO.,RX Freq.,TX Power\r\n1,146.5,Medium\r\n", 2, 3},
    };
    std::mt19937 random(3);
    const ProjectImage original = testing::RepresentableImage(random);
    for (const Case& c : cases) {
        ProjectImage image = original;
        const auto result = ImportChannelsCsv(c.csv, image, kWholeRange);
        ASSERT_FALSE(result) << c.what;
        EXPECT_EQ(result.error.line, c.line) << c.what << ": " << result.error.Message();
        EXPECT_EQ(result.error.column, c.column) << c.what << ": " << result.error.Message();
        EXPECT_FALSE(result.error.why.empty()) << c.what;
        EXPECT_TRUE(std::ranges::equal(image.Raw(), original.Raw())) << c.what;
    }
}

// A list is checked, not typed: what the grid would clamp, round or turn into another tone is
// refused with where and why, and the project keeps every byte.
TEST(ChannelCsv, ValuesTheGridWouldChangeAreRefused) {
    struct Case {
        std::string row;
        int column;
        std::string message;
    };
    const Case cases[] = {
        {"3,520.00000,,Off", 2,
         "line 3, column 2 (RX Freq.), channel 3: \"520.00000\" is outside the band "
         "400.00000\u2013480.00000 MHz"},
        {"3,399.99375,,Off", 2, "channel 3: \"399.99375\" is outside the band"},
        {"3,430,480.00625,Off", 3, "(TX Freq.), channel 3: \"480.00625\" is outside the band"},
        {"3,462.6789,,Off", 2,
         "channel 3: \"462.6789\" is not on the channel raster (steps of 5 or 6.25 kHz); the "
         "nearest below is 462.67500"},
        {"3,430,,99.9", 4, "(QT/DQT Dec), channel 3: \"99.9\" is not in the tone list"},
        {"3,430,,00", 4, "channel 3: \"00\" is not a tone"},
    };
    const BandLimits band{400000000, 480000000};
    std::mt19937 random(5);
    const ProjectImage original = testing::RepresentableImage(random);
    for (const Case& c : cases) {
        ProjectImage image = original;
        const std::string csv = "NO.,RX Freq.,TX Freq.,QT/DQT Dec\r\n2,430.0125,,67.0\r\n" + c.row;
        const auto result = ImportChannelsCsv(csv, image, band);
        ASSERT_FALSE(result) << c.row;
        EXPECT_EQ(result.error.line, 3) << c.row;
        EXPECT_EQ(result.error.column, c.column) << c.row;
        EXPECT_EQ(result.error.channel, 3) << c.row;
        EXPECT_NE(result.error.Message().find(c.message), std::string::npos)
            << result.error.Message();
        EXPECT_TRUE(std::ranges::equal(image.Raw(), original.Raw())) << c.row;
    }

    // The band edges themselves and both rasters are stored as written.
    ProjectImage image = original;
    ASSERT_TRUE(ImportChannelsCsv("NO.,RX Freq.,TX Freq.\r\n1,400,480\r\n2,462.675,462.66875\r\n",
                                  image, band));
    EXPECT_EQ(image.Channel(1).TxFreq(), 480000000u);
    EXPECT_EQ(image.Channel(2).TxFreq(), 462668750u);

    // A tone outside the list that a channel already has copies on to another channel.
    image.Channel(2).SetTxTone(kToneCtcss, 999);
    ASSERT_TRUE(ImportChannelsCsv("NO.,RX Freq.,QT/DQT Dec\r\n5,430,99.9\r\n", image, band));
    EXPECT_EQ(image.Channel(5).RxToneCode(), 999);
}

TEST(ChannelCsv, ErrorMessageNamesLineColumnValueAndWhy) {
    ProjectImage image;
    const auto result =
        ImportChannelsCsv("NO.,QT/DQT Dec,RX Freq.\r\n3,Off,1x\r\n", image, kWholeRange);
    ASSERT_FALSE(result);
    EXPECT_EQ(
        result.error.Message(),
        "line 2, column 3 (RX Freq.), channel 3: \"1x\" is not a frequency in MHz, like 146.52000");
}

TEST(ChannelCsv, ALargeFileIsRefusedUnread) {
    std::string csv = "NO.,Name\r\n";
    csv.resize(kMaxChannelCsvSize + 1, '\n');
    ProjectImage image;
    const auto result = ImportChannelsCsv(csv, image, kWholeRange);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error.line, 1);
}

}  // namespace
}  // namespace radioprog
