#include "lang/GbkToBig5.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "lang/AppLang.h"
#include "lang/TextCodec.h"
#include "support/Hex.h"

namespace {

using radioprog::testing::FromHex;
using radioprog::testing::ToHex;

using radioprog::CodePage;
using THaldenFuncs::TAppLang;
using THaldenFuncs::TLangType;

TAppLang Traditional() {
    TAppLang lang("en_US");
    lang.SetLangType(TLangType::TraditionalChinese);
    return lang;
}

TEST(GbkToBig5Test, TraditionalCharactersBecomeBig5) {
    // "讀頻(&R)" and "清除所有數據？" in their GBK and Big5 codes.
    EXPECT_EQ(ToHex(Traditional().FromGBK(FromHex("d778ee6c28265229"))), "c5aac05728265229");
    EXPECT_EQ(ToHex(Traditional().FromGBK(FromHex("c7e5b3fdcbf9d3d094b593fea3bf"))),
              "b24db0a3a9d2a6b3bcc6bedaa148");
}

TEST(GbkToBig5Test, OnlyTraditionalWithConversionOnConverts) {
    const std::string text = FromHex("d778ee6c");  // "讀頻"
    TAppLang lang("zh_TW");
    EXPECT_EQ(ToHex(lang.FromGBK(text)), "c5aac057");
    lang.SetCvtBig5(false);
    EXPECT_EQ(lang.FromGBK(text), text);
    lang.SetCvtBig5(true);
    for (const TLangType other : {TLangType::English, TLangType::SimplifiedChinese}) {
        lang.SetLangType(other);
        EXPECT_EQ(lang.FromGBK(text), text);
    }
}

struct BadInputCase {
    const char* name;
    const char* gbkHex;
    const char* big5Hex;
};

TEST(GbkToBig5Test, BytesThatAreNotConvertiblePairsPassUnchanged) {
    const BadInputCase cases[] = {
        {"empty", "", ""},
        {"ascii", "414243", "414243"},
        {"lead byte at the end", "d778ee", "c5aaee"},
        {"lone lead byte", "ee", "ee"},
        {"odd length, trail byte first", "78d778ee6c", "78c5aac057"},
        {"lead then control byte", "d70aee6c", "d70ac057"},
        {"lead then a byte below 0x40", "d73fee6c", "d73fc057"},
        {"lead then 0xff", "d7ffee6c", "d7ffc057"},
        {"0x80 and 0xff are never lead bytes", "80d778ff", "80c5aaff"},
        {"embedded zeros", "00d778000000ee6c00", "00c5aa000000c05700"},
        {"lead then zero", "d700ee6c", "d700c057"},
        {"simplified character without a Big5 code", "b6c1ee6c", "b6c1c057"},
        // A pair without a Big5 code is still consumed whole: its trail byte 0xc1 must not
        // start a new pair with the next byte (0xc1a2 would become Big5 0xa5df).
        {"unconverted pair's trail byte is not a lead byte", "b6c1a2", "b6c1a2"},
    };
    const TAppLang lang = Traditional();
    for (const BadInputCase& c : cases) {
        const std::string in = FromHex(c.gbkHex);
        const std::string out = lang.FromGBK(in);
        EXPECT_EQ(out.size(), in.size()) << c.name;
        EXPECT_EQ(ToHex(out), c.big5Hex) << c.name;
    }
}

TEST(GbkToBig5Test, NeverReadsPastTheEndOfTheText) {
    // The text sits at the very end of its own allocation, so reading one byte more is caught
    // by the address sanitizer.
    for (const std::string_view hex : {"d778ee", "ee", "41ee", "d7"}) {
        const std::string bytes = FromHex(hex);
        const auto buffer = std::make_unique<char[]>(bytes.size());
        bytes.copy(buffer.get(), bytes.size());
        const std::string out = Traditional().FromGBK(std::string_view(buffer.get(), bytes.size()));
        EXPECT_EQ(out.size(), bytes.size()) << hex;
        EXPECT_EQ(out.back(), bytes.back()) << hex;
    }
}

TEST(GbkToBig5Test, EveryTableEntryIsTheBig5CodeOfTheSameCharacter) {
    // Walks the whole table: a wrong index (stride, offset) maps a character to its neighbour.
    int mapped = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const std::uint16_t big5 = radioprog::Big5CodeOfGbk(static_cast<std::uint8_t>(lead),
                                                                static_cast<std::uint8_t>(trail));
            if (big5 == 0) {
                continue;
            }
            ++mapped;
            const char gbk[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const char big5Bytes[2] = {static_cast<char>(big5 >> 8), static_cast<char>(big5)};
            const std::string fromGbk =
                radioprog::DecodeCodePage(std::string_view(gbk, 2), CodePage::Gbk);
            const std::string fromBig5 =
                radioprog::DecodeCodePage(std::string_view(big5Bytes, 2), CodePage::Big5);
            ASSERT_EQ(fromGbk, fromBig5) << std::hex << lead << " " << trail;
        }
    }
    // Big5 holds about 13,000 characters and symbols, nearly all of them also in GBK.
    EXPECT_GT(mapped, 12000);
    EXPECT_EQ(radioprog::Big5CodeOfGbk(0x7F, 0x40), 0);
    EXPECT_EQ(radioprog::Big5CodeOfGbk(0x81, 0x3F), 0);
}

}  // namespace
