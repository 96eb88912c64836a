// Choosing rows of a list: every problem of a file in one run, the rows taken by number, the
// rows that fit taken and the rest left out with why, channels given by hand, and the channels
// a list does not fill cleared when asked.
#include "channellist/ChannelListPlan.h"

#include <gtest/gtest.h>

#include "ChannelListTestSupport.h"
#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListSummary.h"
#include "channellist/RowList.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

constexpr const char* kChirpHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// A shared plan of 52 rows at locations 0 to 51, as repeater lists come: every row on its own
// frequency named after its location, and every tenth row (3, 13, ...) an AM channel this radio
// cannot hold.
std::string FiftyTwoRows() {
    std::string csv = kChirpHeader;
    for (int location = 0; location < 52; ++location) {
        const uint32_t hz = 440000000 + 12500 * static_cast<uint32_t>(location);
        csv += std::to_string(location) + ",L" + std::to_string(location) + "," +
               std::to_string(hz / 1000000) + "." +
               std::to_string(hz % 1000000 + 1000000).substr(1) +
               ",,0.000000,,88.5,88.5,023,NN,023,Tone->Tone," + (location % 10 == 3 ? "AM" : "FM") +
               ",12.50,,5.0W,club,,,,\r\n";
    }
    return csv;
}

// Row r of the 52 (from 1) is location r - 1; its name says which row a channel got.
std::string NameOfRow(int row) {
    return "L" + std::to_string(row - 1);
}

// Channels 2 and 5 in use, the others free.
ProjectImage BaseWithTwoChannels() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= kChannelCount; ++n) {
        image.SetChannelValid(n, n == 2 || n == 5);
    }
    image.Channel(2).InitialiseNew(430000000);
    image.Channel(5).InitialiseNew(430050000);
    image.SetText(ChannelNameField(2), "KEEP2");
    image.SetText(ChannelNameField(5), "KEEP5");
    return image;
}

ChannelListChoice Choice(bool renumber, bool skipUnfit, bool replace = false) {
    ChannelListChoice choice;
    choice.renumber = renumber;
    choice.skipUnfit = skipUnfit;
    choice.replace = replace;
    return choice;
}

std::string Name(const ProjectImage& image, int n) {
    return image.IsChannelValid(n) ? image.Text(ChannelNameField(n)) : "";
}

TEST(ChannelListPlan, EveryBadRowOfEitherFormatIsReportedInOneRun) {
    // Our own list: 12 bad rows of different kinds between good ones.
    std::string own = "NO.,RX Freq.,QT/DQT Dec,Name\r\n1,146.5,Off,ok\r\n";
    const char* bad[] = {"2,abc,Off,a",      "3,146.5,35.0,b",   "0,146.5,Off,c",
                         "two,146.5,Off,d",  "1,147,Off,e",      "6,146.5,Off,ABCDEFG",
                         "7,146.5",          "8,146.5,Off,a,b",  "9,600,Off,f",
                         "10,146.501,Off,g", "11,146.5,D999N,h", "17,146.5,Off,i"};
    for (const char* row : bad) {
        own += std::string(row) + "\r\n";
    }
    own += "16,147.5,Off,ok\r\n";
    const BandLimits band{136000000, 174000000};
    std::mt19937 random(3);
    const ProjectImage original = testing::RepresentableImage(random);
    ProjectImage image = original;
    const ChannelListResult result = ImportChannelsCsv(own, image, band);
    ASSERT_FALSE(result);
    ASSERT_EQ(result.errors.size(), 12u) << result.error.Message();
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(result.errors[i].line, static_cast<int>(i) + 3) << result.errors[i].Message();
        EXPECT_FALSE(result.errors[i].why.empty());
    }
    EXPECT_EQ(result.errors[4].remedy, ListRemedy::Renumber) << "channel 1 listed twice";
    EXPECT_TRUE(std::ranges::equal(image.Raw(), original.Raw()));

    // The multi-radio format: every AM row of the 52, and all rows at other locations.
    const ChannelListPlan plan =
        PlanChannelListImport(FiftyTwoRows(), original, kWholeRange, Choice(true, false));
    ASSERT_TRUE(plan.Refused());
    const auto refusals = plan.Refusals();
    // The AM rows 4 and 14 among the first 16 placed, and rows 17 to 52 without room.
    EXPECT_EQ(refusals.size(), 2u + 36u);
    EXPECT_EQ(refusals[0].line, 5);
    EXPECT_EQ(refusals[0].caption, "Mode");
    EXPECT_EQ(refusals[0].channel, 4);
    EXPECT_TRUE(std::ranges::equal(plan.image.Raw(), original.Raw()));
}

TEST(ChannelListPlan, ChosenRowsArePlacedInOrderAndTheRestAreNotLookedAt) {
    const ProjectImage base = BaseWithTwoChannels();
    ChannelListChoice choice = Choice(true, false);
    choice.rows = ParseRowList("20-23,25-27,29-33,35-37").rows;
    ASSERT_EQ(choice.rows->size(), 15u);
    const ChannelListPlan plan = PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, choice);
    ASSERT_FALSE(plan.Refused()) << plan.Refusals().front().Message();
    EXPECT_EQ(plan.Count(RowFate::Taken), 15);
    EXPECT_EQ(plan.Count(RowFate::NotChosen), 37);
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(Name(plan.image, k + 1), NameOfRow((*choice.rows)[static_cast<size_t>(k)]))
            << "channel " << k + 1;
    }
    EXPECT_EQ(Name(plan.image, 16), "") << "a channel the list does not fill stays unused";
    EXPECT_EQ(TakenSentence(plan),
              "Took 15 rows into channels 1-15; skipped 0; 37 rows not chosen.");

    // Row 24 is AM: choosing it refuses the list, naming that row alone.
    choice.rows = ParseRowList("20-24").rows;
    const ChannelListPlan refused =
        PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, choice);
    ASSERT_EQ(refused.Refusals().size(), 1u);
    EXPECT_EQ(refused.Refusals()[0].line, 25);
}

TEST(ChannelListPlan, SkippingTakesTheRowsThatFitIntoFreeChannelsOrFromChannelOne) {
    const ProjectImage base = BaseWithTwoChannels();

    // Renumbered: the rows that fit fill channels 1 to 16 in order; the AM rows among them are
    // skipped without taking a channel, and the rest have no room.
    const ChannelListPlan renumbered =
        PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, Choice(true, true));
    ASSERT_FALSE(renumbered.Refused());
    EXPECT_EQ(renumbered.Count(RowFate::Taken), 16);
    EXPECT_EQ(Name(renumbered.image, 4), NameOfRow(5)) << "row 4 (AM) is left out";
    EXPECT_EQ(Name(renumbered.image, 16), NameOfRow(18));
    const auto& row4 = renumbered.rows[3];
    EXPECT_EQ(row4.fate, RowFate::Refused);
    EXPECT_EQ(row4.channel, 0);
    const auto& row19 = renumbered.rows[18];
    EXPECT_EQ(row19.fate, RowFate::Refused);
    ASSERT_TRUE(row19.refusal);
    EXPECT_NE(row19.refusal->why.find("no room"), std::string::npos) << row19.refusal->why;

    // At their locations: rows at 1 to 16 go there, over the base's channels 2 and 5 too;
    // location 0 and those past 16 fit but name no channel, and no channel is free for them.
    const ChannelListPlan listed =
        PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, Choice(false, true));
    ASSERT_FALSE(listed.Refused());
    EXPECT_EQ(Name(listed.image, 2), "L2");
    EXPECT_EQ(Name(listed.image, 1), "L1");
    EXPECT_EQ(Name(listed.image, 16), "L16");
    // Locations 3 and 13 are AM: their channels are the free places, for location 0 and 17.
    EXPECT_EQ(Name(listed.image, 3), "L0");
    EXPECT_EQ(Name(listed.image, 13), "L17");
    EXPECT_EQ(listed.Count(RowFate::Taken), 16);
    EXPECT_NE(listed.rows[19].refusal->why.find("no room"), std::string::npos);

    // Without the AM rows, only the channels the base leaves unused are free.
    ChannelListChoice someRows = Choice(false, true);
    someRows.rows = ParseRowList("1,3-5,18-19").rows;  // locations 0, 2-4, 17, 18
    const ChannelListPlan free = PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, someRows);
    ASSERT_FALSE(free.Refused());
    EXPECT_EQ(Name(free.image, 1), "L0") << "the first free channel";
    EXPECT_EQ(Name(free.image, 2), "L2") << "listed over the base's channel 2";
    EXPECT_EQ(Name(free.image, 4), "L4");
    EXPECT_EQ(Name(free.image, 3), "L17") << "the AM row at location 3 left channel 3 free";
    EXPECT_EQ(Name(free.image, 5), "KEEP5") << "a channel the base uses is no free place";
    EXPECT_EQ(Name(free.image, 6), "L18");
    EXPECT_EQ(free.Count(RowFate::Refused), 1);
}

TEST(ChannelListPlan, ReplacingClearsWhatTheListDoesNotFillAndHandPlacedChannelsAreChecked) {
    const ProjectImage base = BaseWithTwoChannels();
    ChannelListChoice choice = Choice(false, false, true);
    choice.rows = std::vector<int>{2, 8};
    choice.channelOfRow = {{2, 9}};  // location 1 placed at 9 by hand; location 7 stays at 7
    ChannelListPlan plan = PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, choice);
    ASSERT_FALSE(plan.Refused()) << plan.Refusals().front().Message();
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(plan.image.IsChannelValid(n), n == 7 || n == 9) << n;
    }
    EXPECT_EQ(Name(plan.image, 9), "L1");

    choice.channelOfRow = {{2, 7}};  // two rows for channel 7
    plan = PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, choice);
    ASSERT_EQ(plan.Refusals().size(), 1u);
    EXPECT_EQ(plan.Refusals()[0].line, 9) << "the row that names 7 itself comes second";
    EXPECT_TRUE(std::ranges::equal(plan.image.Raw(), base.Raw()));

    choice.channelOfRow = {{2, 17}};
    plan = PlanChannelListImport(FiftyTwoRows(), base, kWholeRange, choice);
    ASSERT_EQ(plan.Refusals().size(), 1u);
    EXPECT_EQ(plan.Refusals()[0].line, 3);
}

// Names cut to the radio's six bytes can become one: the summary says which, and where.
TEST(ChannelListPlan, ShortenedNamesThatCollideAreNamed) {
    const std::string csv = std::string(kChirpHeader) +
                            "1,REPEATER1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,"
                            "FM,,,,,,,,\r\n"
                            "2,REPEAT,446.012500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,,,,"
                            ",,,,\r\n"
                            "3,REPEATER2,446.018750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                            ",,,,,,,\r\n"
                            "4,GATEWAY,446.025000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,,,,"
                            ",,,,\r\n";
    ChannelListChoice choice;
    choice.shortenNames = true;
    const ChannelListPlan plan =
        PlanChannelListImport(csv, BaseWithTwoChannels(), kWholeRange, choice);
    ASSERT_FALSE(plan.Refused());
    const auto said = std::ranges::find_if(plan.notes, [](const std::string& note) {
        return note.starts_with("Shortened names that now read the same");
    });
    ASSERT_NE(said, plan.notes.end());
    EXPECT_NE(said->find("\"REPEAT\" (channels 1-3)"), std::string::npos) << *said;
    EXPECT_EQ(said->find("GATEWA"), std::string::npos) << "a cut name of its own is no collision";
}

TEST(ChannelListPlan, RowListsAreReadOrRefusedClearly) {
    EXPECT_EQ(ParseRowList("1-4").rows, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ParseRowList(" 9-10, 3,5 ,3").rows, (std::vector<int>{3, 5, 9, 10}));
    for (const char* bad :
         {"", "0", "3-1", "1,,2", "a", "1-", "-4", "1-2-3", "5;6", "1-99999999"}) {
        const RowListParse parse = ParseRowList(bad);
        EXPECT_FALSE(parse) << bad;
        EXPECT_TRUE(parse.rows.empty()) << bad;
    }
    EXPECT_NE(ParseRowList("3-1").why.find("ends before it starts"), std::string::npos);
}

}  // namespace
}  // namespace radioprog
