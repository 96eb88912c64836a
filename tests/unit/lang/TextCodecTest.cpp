#include "lang/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using radioprog::CodePage;
using radioprog::DecodeCodePage;
using radioprog::EncodeCodePage;
using THaldenFuncs::TAppLang;
using THaldenFuncs::TLangType;

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(TextCodecTest, InvalidBytesBecomeReplacementCharactersAndDecodingGoesOn) {
    // 0x81 0x30 is no GBK pair, 0xff no GBK byte; 0xb6 alone at the end is unfinished.
    EXPECT_EQ(DecodeCodePage(std::string("A\x81"
                                         "0B\xFF"
                                         "C"),
                             CodePage::Gbk),
              "A" + kReplacement + "0B" + kReplacement + "C");
    EXPECT_EQ(DecodeCodePage(std::string("\xB6\xC1\xB6"), CodePage::Gbk), "读" + kReplacement);
    EXPECT_EQ(DecodeCodePage(std::string("\xC5\xAA\xC5"), CodePage::Big5), "讀" + kReplacement);
}

TEST(TextCodecTest, ZeroBytesAndLongTextsDecodeCompletely) {
    const std::string withZeros("\xB6\xC1\0\0A", 5);
    EXPECT_EQ(DecodeCodePage(withZeros, CodePage::Gbk), "读" + std::string("\0\0A", 3));
    // Longer than one conversion buffer.
    std::string longGbk;
    std::string longUtf8;
    for (int i = 0; i < 300; ++i) {
        longGbk += "\xB6\xC1";
        longUtf8 += "读";
    }
    EXPECT_EQ(DecodeCodePage(longGbk, CodePage::Gbk), longUtf8);
    EXPECT_EQ(EncodeCodePage(longUtf8, CodePage::Gbk), longGbk);
}

TEST(TextCodecTest, EncodingRefusesWhatTheCodePageCannotHold) {
    EXPECT_EQ(EncodeCodePage("读频", CodePage::Gbk), std::string("\xB6\xC1\xC6\xB5"));
    EXPECT_EQ(EncodeCodePage("读", CodePage::Big5), std::nullopt);
    EXPECT_EQ(EncodeCodePage(std::string("A\xC3"), CodePage::Gbk), std::nullopt);
    EXPECT_EQ(EncodeCodePage(std::string("\xFF"), CodePage::Gbk), std::nullopt);
    EXPECT_EQ(EncodeCodePage("", CodePage::Big5), "");
}

TEST(TextCodecTest, DisplayDecodingFollowsTheTablesCodePage) {
    TAppLang lang("zh_TW");
    EXPECT_EQ(radioprog::TableCodePage(lang), CodePage::Big5);
    lang.SetCvtBig5(false);  // traditional texts then stay in GBK
    EXPECT_EQ(radioprog::TableCodePage(lang), CodePage::Gbk);
    lang.SetCvtBig5(true);
    lang.SetLangType(TLangType::SimplifiedChinese);
    EXPECT_EQ(radioprog::DecodeForDisplay(std::string("\xB6\xC1"), lang), "读");
    lang.SetLangType(TLangType::English);
    EXPECT_EQ(radioprog::TableCodePage(lang), CodePage::Gbk);
}

}  // namespace
