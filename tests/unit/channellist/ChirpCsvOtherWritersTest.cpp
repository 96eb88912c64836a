// Multi-radio lists as older versions, hand-made lists, shared repeater lists and spreadsheets
// write them, taken as the format's own readers take them, written by hand from the format's
// description. Every list that is taken reads back unchanged through our own export.
#include <gtest/gtest.h>

#include <algorithm>

#include "ChannelListTestSupport.h"
#include "channellist/ChirpCsv.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

// The columns of the versions in wide use, before RxDtcsCode, CrossMode and Power.
constexpr const char* kOlderHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// Channel 2 in use at low power with a tone, the others unused.
ProjectImage Base() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, false);
    }
    auto ch = image.Channel(2);
    ch.InitialiseNew(146000000);
    ch.SetHighPower(false);
    ch.SetRxTone(kToneCtcss, 670);
    image.SetChannelValid(2, true);
    return image;
}

Tone RxTone(const ProjectImage& image, int n) {
    return {image.Channel(n).RxToneType(), image.Channel(n).RxToneCode()};
}
Tone TxTone(const ProjectImage& image, int n) {
    return {image.Channel(n).TxToneType(), image.Channel(n).TxToneCode()};
}
constexpr Tone Ctcss(uint16_t tenths) {
    return {kToneCtcss, tenths};
}
constexpr Tone Dcs(uint16_t octal, bool inverted = false) {
    return {inverted ? kToneDcsInverted : kToneDcsNormal,
            static_cast<uint16_t>(kDcsCodeBase + octal)};
}

// Imports over the base, expecting the list to be taken; the result keeps the notes.
ChannelListResult Take(const std::string& csv, ProjectImage& image) {
    image = Base();
    const ChannelListResult result = ImportChannelsChirpCsv(csv, image, kWholeRange);
    EXPECT_TRUE(result) << result.error.Message() << "\n" << csv;
    return result;
}

// How many notes hold the text.
long Saying(const ChannelListResult& result, std::string_view text) {
    return std::ranges::count_if(result.notes, [text](const std::string& note) {
        return note.find(text) != std::string::npos;
    });
}

void ExpectOurExportReadsBackUnchanged(const ProjectImage& image) {
    ProjectImage again = image;
    const auto result = ImportChannelsChirpCsv(ExportChannelsChirpCsv(image), again, kWholeRange);
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_TRUE(std::ranges::equal(again.Raw(), image.Raw()));
}

TEST(ChirpCsvOtherWriters, AnOlderFileTakesTheDefaultsOfTheNewerColumnsAndSaysSo) {
    const std::string csv =
        std::string(kOlderHeader) +
        "1,CROSS,146.520000,,0.000000,Cross,100.0,131.8,023,NN,FM,5.00,,,,,,\r\n"
        "2,DCS,146.550000,,0.000000,DTCS,88.5,88.5,754,RN,NFM,12.50,,,,,,\r\n"
        "3,X2,146.580000,,0.000000,Cross,123.0,71.9,023,NN,FM,5.00,,,,,,\r\n";
    ProjectImage image;
    const auto result = Take(csv, image);
    // Cross rows read as Tone->Tone: the squelch tone from cToneFreq, the sent one from
    // rToneFreq.
    EXPECT_EQ(RxTone(image, 1), Ctcss(1318));
    EXPECT_EQ(TxTone(image, 1), Ctcss(1000));
    EXPECT_EQ(RxTone(image, 3), Ctcss(719));
    EXPECT_EQ(TxTone(image, 3), Ctcss(1230));
    EXPECT_EQ(RxTone(image, 2), Dcs(0754));
    EXPECT_EQ(TxTone(image, 2), Dcs(0754, true));
    // No power column: the new channels take the radio's own new-channel power, the
    // overwritten one keeps its low power.
    EXPECT_TRUE(image.Channel(1).HighPower());
    EXPECT_TRUE(image.Channel(3).HighPower());
    EXPECT_FALSE(image.Channel(2).HighPower());

    EXPECT_EQ(Saying(result, "CrossMode"), 1);
    EXPECT_EQ(Saying(result, "No CrossMode column: 2 rows took the format's default, Tone->Tone"),
              1);
    EXPECT_EQ(Saying(result, "power on 3 rows, busy lock"), 1);
    EXPECT_EQ(Saying(result, "keep an overwritten channel's values"), 1);
    EXPECT_EQ(Saying(result, "RxDtcsCode"), 0) << "no row read it";
    EXPECT_EQ(Saying(result, "format's default"), 1) << "only CrossMode was missing and read";
    ExpectOurExportReadsBackUnchanged(image);
}

TEST(ChirpCsvOtherWriters, OneCtcssColumnGivesTheToneForBoth) {
    struct Case {
        std::string csv;
        Tone rx1, tx1, rx2, tx2;
        std::string note;
    };
    const Case cases[] = {
        {"Location,Frequency,Tone,rToneFreq\r\n1,446.006250,TSQL,107.2\r\n"
         "2,446.018750,Tone,123.0\r\n",
         Ctcss(1072),
         Ctcss(1072),
         {},
         Ctcss(1230),
         "No cToneFreq column: 1 row took rToneFreq's value for it."},
        {"Location,Frequency,Tone,cToneFreq\r\n1,446.006250,Tone,107.2\r\n"
         "2,446.018750,TSQL,123.0\r\n",
         {},
         Ctcss(1072),
         Ctcss(1230),
         Ctcss(1230),
         "No rToneFreq column: 1 row took cToneFreq's value for it."},
        {"Location,Frequency,Tone\r\n1,446.006250,Tone\r\n2,446.018750,TSQL\r\n",
         {},
         Ctcss(885),
         Ctcss(885),
         Ctcss(885),
         "No rToneFreq column: 1 row took the format's default, 88.5."},
    };
    for (const Case& c : cases) {
        ProjectImage image;
        const auto result = Take(c.csv, image);
        const auto none = [](Tone t) { return t.type == kToneNone ? Tone{} : t; };
        EXPECT_EQ(none(RxTone(image, 1)), c.rx1) << c.csv;
        EXPECT_EQ(TxTone(image, 1), c.tx1) << c.csv;
        EXPECT_EQ(none(RxTone(image, 2)), c.rx2) << c.csv;
        EXPECT_EQ(TxTone(image, 2), c.tx2) << c.csv;
        EXPECT_EQ(Saying(result, c.note), 1) << c.csv;
        for (const char* taken : {"No Duplex column: 2 rows took the format's default, simplex.",
                                  "No Mode column: 2 rows took the format's default, FM (wide).",
                                  "No Skip column: 2 rows took the format's default, scanned."}) {
            EXPECT_EQ(Saying(result, taken), 1) << c.csv;
        }
        ExpectOurExportReadsBackUnchanged(image);
    }

    // A tone the radio does not have is refused in the one column that holds it.
    for (const std::string caption : {"rToneFreq", "cToneFreq"}) {
        for (const std::string mode : {"Tone", "TSQL"}) {
            ProjectImage image = Base();
            const auto result = ImportChannelsChirpCsv(
                "Location,Frequency,Tone," + caption + "\r\n1,146.520000," + mode + ",17.2\r\n",
                image, kWholeRange);
            ASSERT_FALSE(result) << caption << " " << mode;
            EXPECT_EQ(result.error.column, 4) << caption << " " << mode;
            EXPECT_EQ(result.error.caption, caption) << caption << " " << mode;
        }
    }
}

// Rows as a full current file carries them, with the given cells for TStep, Comment and
// URCALL and any cells after the last column.
std::string Row(int location, std::string_view step, std::string_view comment,
                std::string_view urcall, std::string_view beyond = "") {
    return std::to_string(location) + ",R" + std::to_string(location) + "," +
           std::to_string(145 + location) +
           ".500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM," + std::string(step) +
           ",,"
           "5.0W," +
           std::string(comment) + "," + std::string(urcall) + ",,," + std::string(beyond) + "\r\n";
}

// A hand-made list may leave out any column but Location and Frequency. Without an Offset a
// duplex gives no transmit frequency: that row is refused naming the Duplex cell.
TEST(ChirpCsvOtherWriters, ADuplexWithoutAnOffsetColumnIsRefusedNamingTheDuplex) {
    for (const std::string duplex : {"+", "-", "split"}) {
        ProjectImage image = Base();
        const auto result = ImportChannelsChirpCsv(
            "Location,Frequency,Duplex\r\n1,146.520000,\r\n2,146.940000," + duplex + "\r\n", image,
            kWholeRange);
        ASSERT_FALSE(result) << duplex;
        EXPECT_EQ(result.error.line, 3) << duplex;
        EXPECT_EQ(result.error.column, 3) << duplex;
        EXPECT_EQ(result.error.caption, "Duplex") << duplex;
    }
    ProjectImage image;
    Take("Location,Frequency,Duplex\r\n1,146.520000,\r\n2,146.940000,off\r\n", image);
    EXPECT_EQ(image.Channel(2).TxFreq(), 0u);
}

TEST(ChirpCsvOtherWriters, TheTuningStepIsTheSourceRadiosAndNeverRefusesARow) {
    std::string csv = kHeader;
    int location = 0;
    for (const char* step : {"2.50", "8.33", "9.00", "100.00", "5.00", "6.25", ""}) {
        csv += Row(++location, step, "", "");
    }
    ProjectImage image;
    const auto result = Take(csv, image);
    EXPECT_EQ(result.rows, location);
    EXPECT_EQ(image.Channel(3).RxFreq(), 148500000u);
    ExpectOurExportReadsBackUnchanged(image);
}

TEST(ChirpCsvOtherWriters, CommentsAndDigitalVoiceValuesAreLeftBehindAndCounted) {
    const std::string plain = std::string(kHeader) + Row(1, "5.00", "", "") +
                              Row(2, "5.00", "", "") + Row(3, "5.00", "", "");
    const std::string shared = std::string(kHeader) + Row(1, "5.00", "Club repeater", "") +
                               Row(2, "5.00", "", "CQCQCQ") + Row(3, "5.00", "\"Net, Tue\"", "");
    ProjectImage withoutComments, withComments;
    const auto bare = Take(plain, withoutComments);
    const auto result = Take(shared, withComments);
    EXPECT_TRUE(std::ranges::equal(withComments.Raw(), withoutComments.Raw()))
        << "what was left behind changed a channel";
    EXPECT_EQ(Saying(result, "2 comments were not kept"), 1);
    EXPECT_EQ(Saying(result, "digital voice values of 1 row were not kept"), 1);
    EXPECT_EQ(Saying(bare, "not kept"), 0);
}

TEST(ChirpCsvOtherWriters, EmptyCellsBeyondTheHeaderAreTakenAndValuesThereAreNot) {
    ProjectImage image;
    const auto result = Take(
        std::string(kHeader) + Row(1, "5.00", "", "", ",,") + Row(3, "5.00", "", "", ", ,"), image);
    EXPECT_EQ(result.rows, 2);
    ExpectOurExportReadsBackUnchanged(image);

    for (const std::string& row :
         {Row(1, "5.00", "", "", ",,x"), std::string("1,R1,146.500000\r\n")}) {
        image = Base();
        const ProjectImage before = image;
        EXPECT_FALSE(ImportChannelsChirpCsv(kHeader + row, image, kWholeRange)) << row;
        EXPECT_TRUE(std::ranges::equal(image.Raw(), before.Raw())) << row;
    }

    // A short row is refused before any of its cells is read, wherever the Location column is.
    image = Base();
    const auto shortRow = ImportChannelsChirpCsv(
        "Frequency,Name,Location\r\n146.520000,A,1\r\n146.540000\r\n", image, kWholeRange);
    ASSERT_FALSE(shortRow);
    EXPECT_EQ(shortRow.error.line, 3);
    EXPECT_EQ(shortRow.error.column, 2);
}

}  // namespace
}  // namespace radioprog
