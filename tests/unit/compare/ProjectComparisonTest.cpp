#include <gtest/gtest.h>

#include <string>

#include "channellist/ChannelColumns.h"
#include "compare/DifferenceLines.h"
#include "compare/ProjectComparison.h"
#include "lang/OptionFields.h"
#include "lang/TextIds.h"
#include "model/ProjectFields.h"
#include "model/ToneCodec.h"
#include "sheet/ChannelSheet.h"

namespace {

using namespace radioprog;
using Area = FieldDifference::Area;
using THaldenFuncs::TLangType;

// The word the channel sheet prints beside caption; empty when it has no such option.
std::string SheetWord(const ProjectImage& image, const BandLimits& band, TLangType language,
                      const std::string& caption) {
    const ChannelSheet sheet = BuildChannelSheet(image, band, language, SheetChannels::All, "");
    for (const auto& [sheetCaption, word] : sheet.options) {
        if (sheetCaption == caption) {
            return word;
        }
    }
    return {};
}

class ProjectComparisonTest : public ::testing::Test {
  protected:
    ProjectComparisonTest() {
        left.ResetToDefaults();
        for (int n = 1; n <= kChannelCount; ++n) {
            left.SetChannelValid(n, false);
        }
        for (const int n : {1, 3}) {
            left.Channel(n).InitialiseNew(446006250);
            left.SetChannelValid(n, true);
        }
        left.SetText(ChannelNameField(3), "GATE");
        // A channel not in use whose record holds something else on each side: not a value.
        left.Channel(9).InitialiseNew(430000000);
        right = left;
        right.Channel(9).InitialiseNew(440000000);
    }

    std::vector<FieldDifference> Compare(TLangType words = TLangType::English) const {
        return CompareProjects(left, band, right, band, words);
    }

    ProjectImage left;
    ProjectImage right;
    BandLimits band{400000000, 480000000};
};

TEST_F(ProjectComparisonTest, IdenticalProjectsHaveNoDifference) {
    EXPECT_TRUE(Compare().empty());
    const ProjectComparison sides = CompareSideBySide(left, band, right, band);
    for (const ChannelComparison& channel : sides.channels) {
        EXPECT_TRUE(channel.Identical()) << channel.channel;
    }
    EXPECT_EQ(sides.channels[2].fields[0], sides.channels[2].fields[1]);
    EXPECT_EQ(sides.channels[2].fields[0][7], "GATE");
}

TEST_F(ProjectComparisonTest, NamesHiddenFieldsOptionsAndTheBandInTheChannelListsWords) {
    right.SetText(ChannelNameField(3), "DOOR");
    right.Channel(1).SetScanAdd(false);
    right.Channel(1).SetSquelchMode(2);
    right.Set(settings::Sql, uint8_t{7});
    const BandLimits other{136000000, 174000000};

    const auto differences = CompareProjects(left, band, right, other);
    ASSERT_EQ(differences.size(), 5u);
    EXPECT_EQ(differences[0],
              (FieldDifference{Area::Band, 0, "Frequency Band", "400.00000-480.00000 MHz",
                               "136.00000-174.00000 MHz"}));
    EXPECT_EQ(differences[1], (FieldDifference{Area::Channel, 1, "SCN", "ADD", "DEL"}));
    EXPECT_EQ(differences[2].field, "Squelch Mode");
    EXPECT_EQ(differences[2].right, "CTC/DCS");
    EXPECT_EQ(differences[3], (FieldDifference{Area::Channel, 3, "Name", "GATE", "DOOR"}));
    EXPECT_EQ(differences[4].area, Area::Option);
    EXPECT_EQ(differences[4].right, "7");

    EXPECT_EQ(DifferenceLines(differences),
              "band  Frequency Band: \"400.00000-480.00000 MHz\" -> \"136.00000-174.00000 MHz\"\n"
              "channel 1  SCN: \"ADD\" -> \"DEL\"\n"
              "channel 1  Squelch Mode: \"Carrier\" -> \"CTC/DCS\"\n"
              "channel 3  Name: \"GATE\" -> \"DOOR\"\n"
              "option  " +
                  differences[4].field + ": \"" + differences[4].left + "\" -> \"7\"\n");
}

TEST_F(ProjectComparisonTest, ValuesSharingOneTextAreToldApartByTheStoredValue) {
    // The last hertz digit is not shown; a verify that misses it must still name the field.
    right.Channel(1).SetRxFreq(446006251);
    right.Set(settings::Beep, uint8_t{2});  // "On", like 1
    const auto differences = Compare();
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].left, "446.00625 [446006250 Hz]");
    EXPECT_EQ(differences[0].right, "446.00625 [446006251 Hz]");
    EXPECT_NE(differences[1].left, differences[1].right);
}

// "Off" is stored as code 0 by a radio read and as the parser's code when typed; neither the
// radio nor the user can tell them apart. A tone type with an off code is still a tone type.
TEST_F(ProjectComparisonTest, AToneThatIsOffIsOffWhateverCodeIsStoredBehindIt) {
    uint8_t parsedType = kToneCtcss;
    uint16_t parsedCode = 0;
    ASSERT_TRUE(TextToTone("Off", parsedType, parsedCode));
    ASSERT_EQ(parsedType, kToneNone);
    struct Case {
        Tone left, right;
        bool differs;
    };
    const Case cases[] = {
        {{kToneNone, 0}, {kToneNone, parsedCode}, false},
        {{kToneNone, 885}, {kToneNone, parsedCode}, false},
        {{kToneCtcss, 0}, {kToneNone, 0}, true},
        {{kToneCtcss, 885}, {kToneCtcss, 884}, true},
    };
    for (const Case& c : cases) {
        left.Channel(1).SetRxTone(c.left.type, c.left.code);
        left.Channel(1).SetTxTone(c.left.type, c.left.code);
        right = left;
        right.Channel(1).SetRxTone(c.right.type, c.right.code);
        right.Channel(1).SetTxTone(c.right.type, c.right.code);
        const auto differences = Compare();
        EXPECT_EQ(differences.size(), c.differs ? 2u : 0u)
            << int{c.left.type} << "/" << c.left.code << " against " << int{c.right.type} << "/"
            << c.right.code << ":\n"
            << DifferenceLines(differences);
    }
}

TEST_F(ProjectComparisonTest, AChannelInUseOnOneSideOnlyDiffersInEveryField) {
    right.Channel(5).InitialiseNew(462562500);
    right.SetChannelValid(5, true);
    const auto differences = Compare(TLangType::SimplifiedChinese);
    ASSERT_EQ(differences.size(), CompareSideBySide(left, band, right, band).fieldCaptions.size());
    for (const FieldDifference& d : differences) {
        EXPECT_EQ(d.channel, 5);
        EXPECT_FALSE(d.leftInUse);
        EXPECT_TRUE(d.rightInUse);
        EXPECT_EQ(d.left, "");
    }
    EXPECT_EQ(differences[0].field, "接收频率");
    EXPECT_EQ(differences[0].right, "462.56250");
    EXPECT_EQ(differences[4].right, "高");  // the power word in the language asked for
    EXPECT_EQ(DifferenceLine(differences[0]), "channel 5  接收频率: (not in use) -> \"462.56250\"");
    // A name with a quote stays one value.
    EXPECT_EQ(DifferenceLine({Area::Channel, 2, "Name", "A\"B", ""}),
              "channel 2  Name: \"A\\\"B\" -> \"\"");
}

// Every option of the table, every value the page offers, in every language: a project changed
// in that option alone differs in that option only, named and worded as the channel sheet
// prints both sides.
TEST_F(ProjectComparisonTest, EveryOfferedValueOfEveryOptionIsOneDifferenceInTheSheetsWords) {
    for (const TLangType language :
         {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
        for (const OptionField& option : OptionFields()) {
            for (int item = 0; item < option.offered.count; ++item) {
                SCOPED_TRACE(::testing::Message() << option.editorName << " item " << item);
                right = left;
                const unsigned value = OfferedValue(option, item);
                SetOptionValue(right, option, value);
                ASSERT_EQ(OptionValue(right, option), value);
                const auto differences = Compare(language);
                if (value == OptionValue(left, option)) {
                    EXPECT_TRUE(differences.empty());
                    continue;
                }
                ASSERT_EQ(differences.size(), 1u);
                const FieldDifference& difference = differences[0];
                EXPECT_EQ(difference.area, Area::Option);
                EXPECT_EQ(difference.left, SheetWord(left, band, language, difference.field));
                EXPECT_EQ(difference.right, SheetWord(right, band, language, difference.field));
                EXPECT_NE(difference.left, difference.right);
            }
        }
    }
}

}  // namespace
