#include "model/ToneCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace radioprog {
namespace {

constexpr uint8_t kUntouchedType = 0x5A;
constexpr uint16_t kUntouchedCode = 0xBEEF;

struct AcceptedCase {
    const char* text;
    uint8_t type;
    uint16_t code;
};

class TextToToneAcceptsTest : public testing::TestWithParam<AcceptedCase> {};

TEST_P(TextToToneAcceptsTest, StoresTypeAndCode) {
    uint8_t type = kUntouchedType;
    uint16_t code = kUntouchedCode;
    ASSERT_TRUE(TextToTone(GetParam().text, type, code)) << GetParam().text;
    EXPECT_EQ(type, GetParam().type) << GetParam().text;
    EXPECT_EQ(code, GetParam().code) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToToneAcceptsTest,
    testing::Values(AcceptedCase{"Off", kToneNone, 0xFFFF}, AcceptedCase{"", kToneNone, 0xFFFF},
                    AcceptedCase{"D023N", kToneDcsNormal, 0x2813},
                    AcceptedCase{"D023I", kToneDcsInverted, 0x2813},
                    AcceptedCase{"D754N", kToneDcsNormal, 0x29EC},
                    AcceptedCase{"D000N", kToneDcsNormal, 0x2800},
                    AcceptedCase{"D777I", kToneDcsInverted, 0x29FF},
                    AcceptedCase{"D044N", kToneDcsNormal, 0x2824},
                    AcceptedCase{"D023Nxyz", kToneDcsNormal, 0x2813},
                    AcceptedCase{"67", kToneCtcss, 670}, AcceptedCase{"67.0", kToneCtcss, 670},
                    AcceptedCase{"67.", kToneCtcss, 670}, AcceptedCase{"88.5", kToneCtcss, 885},
                    AcceptedCase{"88", kToneCtcss, 880}, AcceptedCase{"254.1", kToneCtcss, 2541},
                    AcceptedCase{"100.", kToneCtcss, 1000}, AcceptedCase{"100.0", kToneCtcss, 1000},
                    AcceptedCase{"100", kToneCtcss, 1000}, AcceptedCase{"260", kToneCtcss, 2600},
                    AcceptedCase{"25.55", kToneCtcss, 2555},
                    AcceptedCase{"260.0", kToneCtcss, 2600}));

class TextToToneRejectsTest : public testing::TestWithParam<const char*> {};

TEST_P(TextToToneRejectsTest, LeavesToneUnchanged) {
    uint8_t type = kUntouchedType;
    uint16_t code = kUntouchedCode;
    EXPECT_FALSE(TextToTone(GetParam(), type, code)) << GetParam();
    EXPECT_EQ(type, kUntouchedType) << GetParam();
    EXPECT_EQ(code, kUntouchedCode) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToToneRejectsTest,
                         testing::Values("D029N", "d023n", "D023n", "X023N", "D0a3I", "off", "OFF",
                                         "35.0", "35", "40.5", "59", "1000", "260.1", "29", "6.7",
                                         "6", "8.85", "88..", "88.5.", "1.2.3", "12345", "88.5x",
                                         "x88.5", ".885", "-88", "88.55", "88.50", "67.00",
                                         "254.15", "D023", "2600.0"));

TEST(ToneToTextTest, WritesEachForm) {
    EXPECT_EQ(ToneToText(885, kToneCtcss), "88.5");
    EXPECT_EQ(ToneToText(670, kToneCtcss), "67.0");
    EXPECT_EQ(ToneToText(2541, kToneCtcss), "254.1");
    EXPECT_EQ(ToneToText(0x2813, kToneDcsNormal), "D023N");
    EXPECT_EQ(ToneToText(0x2813, kToneDcsInverted), "D023I");
    EXPECT_EQ(ToneToText(0x29EC, kToneDcsNormal), "D754N");
    EXPECT_EQ(ToneToText(0x2813 | 0x8000, kToneDcsInverted), "D023I");
    EXPECT_EQ(ToneToText(0x2805, kToneDcsNormal), "D005N");
}

TEST(ToneToTextTest, NoToneIsOff) {
    EXPECT_EQ(ToneToText(885, kToneNone), "Off");
    EXPECT_EQ(ToneToText(0, kToneCtcss), "Off");
    EXPECT_EQ(ToneToText(0xFFFF, kToneCtcss), "Off");
    EXPECT_EQ(ToneToText(0xFFFF, kToneDcsNormal), "Off");
    EXPECT_EQ(ToneToText(0x2813, 7), "Off");
}

TEST(ToneTextListTest, HoldsOffCtcssThenDcsNormalThenInverted) {
    const std::vector<std::string>& texts = ToneTextList();
    ASSERT_EQ(texts.size(), 261u);
    EXPECT_EQ(texts[0], "Off");
    EXPECT_EQ(texts[1], "67.0");
    EXPECT_EQ(texts[9], "88.5");
    EXPECT_EQ(texts[50], "254.1");
    EXPECT_EQ(texts[51], "D023N");
    EXPECT_EQ(texts[155], "D754N");
    EXPECT_EQ(texts[156], "D023I");
    EXPECT_EQ(texts[260], "D754I");
    EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size());
}

// Every offered text must be accepted, be standard and show again as the same text.
TEST(ToneTextListTest, EveryTextReadsBackAsAStandardTone) {
    for (const std::string& text : ToneTextList()) {
        uint8_t type = kUntouchedType;
        uint16_t code = kUntouchedCode;
        ASSERT_TRUE(TextToTone(text, type, code)) << text;
        EXPECT_TRUE(IsStandardTone(code, type)) << text;
        EXPECT_EQ(ToneToText(code, type), text);
    }
}

TEST(ToneTablesTest, HoldTheStandardValues) {
    EXPECT_EQ(CtcssTable().front(), 670);
    EXPECT_EQ(CtcssTable()[25], 1567);
    EXPECT_EQ(CtcssTable().back(), 2541);
    EXPECT_TRUE(std::is_sorted(CtcssTable().begin(), CtcssTable().end()));
    EXPECT_EQ(DcsTable().front(), 19);
    EXPECT_EQ(DcsTable().back(), 492);
    EXPECT_TRUE(std::is_sorted(DcsTable().begin(), DcsTable().end()));
}

TEST(IsStandardToneTest, KnowsTheTables) {
    EXPECT_TRUE(IsStandardTone(0, kToneNone));
    EXPECT_TRUE(IsStandardTone(1234, kToneNone));
    EXPECT_TRUE(IsStandardTone(885, kToneCtcss));
    EXPECT_FALSE(IsStandardTone(2600, kToneCtcss));
    EXPECT_FALSE(IsStandardTone(886, kToneCtcss));
    EXPECT_TRUE(IsStandardTone(0x2800 + 0245, kToneDcsNormal));
    EXPECT_TRUE(IsStandardTone(0x2800 + 0645, kToneDcsNormal));
    EXPECT_TRUE(IsStandardTone(0x2800 + 0645, kToneDcsInverted));
    EXPECT_FALSE(IsStandardTone(0x2800 + 0044, kToneDcsNormal));
    // The bare octal value without the DCS base is not a DCS code.
    EXPECT_FALSE(IsStandardTone(0245, kToneDcsNormal));
    EXPECT_FALSE(IsStandardTone(0x2800 + 0245, kToneCtcss));
    EXPECT_FALSE(IsStandardTone(885, 4));
}

TEST(IsStandardToneTest, TypedTextsOfTheExamples) {
    struct Case {
        const char* text;
        bool standard;
    };
    for (const Case& c : {Case{"D245N", true}, Case{"D645N", true}, Case{"D044N", false},
                          Case{"260", false}, Case{"88.5", true}, Case{"Off", true}}) {
        uint8_t type = kUntouchedType;
        uint16_t code = kUntouchedCode;
        ASSERT_TRUE(TextToTone(c.text, type, code)) << c.text;
        EXPECT_EQ(IsStandardTone(code, type), c.standard) << c.text;
    }
}

}  // namespace
}  // namespace radioprog
