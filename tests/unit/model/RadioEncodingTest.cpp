#include "model/RadioEncoding.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "model/ToneCodec.h"

namespace radioprog {
namespace {

using Bytes2 = std::array<uint8_t, 2>;
using Bytes3 = std::array<uint8_t, 3>;
using Bytes4 = std::array<uint8_t, 4>;

TEST(Freq3Test, EncodesInUnitsOfEachVariant) {
    EXPECT_EQ(EncodeFreq3(438006250, true), (Bytes3{0x35, 0x77, 0xB2}));
    EXPECT_EQ(EncodeFreq3(438006250, false), (Bytes3{0x6A, 0xEF, 0x64}));
    EXPECT_EQ(DecodeFreq3({0x35, 0x77, 0xB2}, true), 438006250u);
    EXPECT_EQ(DecodeFreq3({0x6A, 0xEF, 0x64}, false), 438006250u);
    // Below one unit is dropped.
    EXPECT_EQ(EncodeFreq3(438006374, true), (Bytes3{0x35, 0x77, 0xB2}));
    EXPECT_EQ(EncodeFreq3(438006312, false), (Bytes3{0x6A, 0xEF, 0x64}));
}

TEST(Freq3Test, RasterFrequenciesRoundTrip) {
    for (uint32_t hz : {136000000u, 146512500u, 174000000u, 400006250u, 479993750u, 520000000u}) {
        EXPECT_EQ(DecodeFreq3(EncodeFreq3(hz, true), true), hz) << hz;
        EXPECT_EQ(DecodeFreq3(EncodeFreq3(hz, false), false), hz) << hz;
    }
}

TEST(Freq3Test, KeepsOnlyTwentyFourBitsWithoutOverflow) {
    // 4294967295 Hz is 68719476 half units; only the low 24 bits are stored.
    EXPECT_EQ(EncodeFreq3(4294967295u, false), (Bytes3{0x18, 0x93, 0x74}));
    EXPECT_EQ(EncodeFreq3(4294967295u, true), (Bytes3{0x0C, 0x49, 0xBA}));
    EXPECT_EQ(DecodeFreq3({0xFF, 0xFF, 0xFF}, true), 16777215u * 125);
    EXPECT_EQ(DecodeFreq3({0xFF, 0xFF, 0xFF}, false), 16777215u * 125 / 2);
}

TEST(FreqBcdTest, PacksTensOfHertzLeastSignificantPairFirst) {
    EXPECT_EQ(EncodeFreqBcd(438006250), (Bytes4{0x25, 0x06, 0x80, 0x43}));
    EXPECT_EQ(DecodeFreqBcd({0x25, 0x06, 0x80, 0x43}), 438006250u);
    EXPECT_EQ(EncodeFreqBcd(146520009), (Bytes4{0x00, 0x20, 0x65, 0x14}));
    EXPECT_EQ(DecodeFreqBcd({0x00, 0x20, 0x65, 0x14}), 146520000u);
    EXPECT_EQ(EncodeFreqBcd(0), (Bytes4{0, 0, 0, 0}));
    EXPECT_EQ(DecodeFreqBcd({0x99, 0x99, 0x99, 0x99}), 999999990u);
}

TEST(FreqBcdTest, DamagedDigitsDoNotOverflow) {
    EXPECT_EQ(DecodeFreqBcd({0xFF, 0xFF, 0xFF, 0xFF}), 1666666650u);
}

TEST(ToneWordsTest, DcsExamples) {
    struct Case {
        uint16_t code;
        uint8_t type;
        ToneWords words;
    };
    for (const Case& c : {Case{0x2813, kToneDcsNormal, {0x64, 0x0E37}},
                          Case{0x2813, kToneDcsInverted, {0x1B, 0xF1C8}},
                          Case{0x29EC, kToneDcsNormal, {0x1B, 0xCF82}}}) {
        for (bool variantY : {false, true}) {
            const ToneWords words = EncodeToneWords(c.code, c.type, variantY);
            EXPECT_EQ(words.w0, c.words.w0) << ToneToText(c.code, c.type);
            EXPECT_EQ(words.w1, c.words.w1) << ToneToText(c.code, c.type);
        }
        EXPECT_EQ(DecodeToneWords(c.words, c.type), c.code) << ToneToText(c.code, c.type);
    }
}

TEST(ToneWordsTest, CtcssWordsDependOnTheVariant) {
    EXPECT_EQ(EncodeToneWords(885, kToneCtcss, false), (ToneWords{885, 8850}));
    EXPECT_EQ(EncodeToneWords(885, kToneCtcss, true), (ToneWords{885, 5799}));
    EXPECT_EQ(EncodeToneWords(2541, kToneCtcss, false), (ToneWords{2541, 25410}));
    EXPECT_EQ(EncodeToneWords(2541, kToneCtcss, true), (ToneWords{2541, 16652}));
    EXPECT_EQ(DecodeToneWords({885, 5799}, kToneCtcss), 885);
}

TEST(ToneWordsTest, NoToneIsAllZero) {
    EXPECT_EQ(EncodeToneWords(0x2813, kToneNone, true), (ToneWords{0, 0}));
    EXPECT_EQ(EncodeToneWords(885, kToneNone, false), (ToneWords{0, 0}));
    EXPECT_EQ(DecodeToneWords({0x64, 0x0E37}, kToneNone), 0);
}

// Undo the bit reversal of the two words: the 23-bit code word.
uint32_t CodeWordFromWords(const ToneWords& words) {
    uint32_t word = 0;
    for (int bit = 0; bit < 7; ++bit) {
        word |= ((words.w0 >> (6 - bit)) & 1u) << bit;
    }
    for (int bit = 7; bit < 23; ++bit) {
        word |= ((words.w1 >> (22 - bit)) & 1u) << bit;
    }
    return word;
}

// Long division by the Golay generator, bit by bit.
uint32_t GolayRemainder(uint32_t value) {
    for (int bit = 22; bit >= 11; --bit) {
        if (value & (1u << bit)) {
            value ^= 0xC75u << (bit - 11);
        }
    }
    return value;
}

TEST(ToneWordsTest, EveryDcsCodeIsAGolayCodeWord) {
    for (uint16_t octal : DcsTable()) {
        const uint16_t code = kDcsCodeBase + octal;
        const ToneWords normal = EncodeToneWords(code, kToneDcsNormal, false);
        const uint32_t word = CodeWordFromWords(normal);
        const uint32_t data = word & 0xFFF;
        const uint32_t check = word >> 12;
        EXPECT_EQ(data, octal | 0x800u) << ToneToText(code, kToneDcsNormal);
        EXPECT_EQ(GolayRemainder(data << 11), check) << ToneToText(code, kToneDcsNormal);

        const ToneWords inverted = EncodeToneWords(code, kToneDcsInverted, false);
        EXPECT_EQ(inverted.w0, ~normal.w0 & 0x7F) << ToneToText(code, kToneDcsInverted);
        EXPECT_EQ(inverted.w1, static_cast<uint16_t>(~normal.w1))
            << ToneToText(code, kToneDcsInverted);
    }
}

TEST(ToneWordsTest, AllDcsTonesRoundTrip) {
    for (uint8_t type : {kToneDcsNormal, kToneDcsInverted}) {
        for (uint16_t octal : DcsTable()) {
            const uint16_t code = kDcsCodeBase + octal;
            for (bool variantY : {false, true}) {
                EXPECT_EQ(DecodeToneWords(EncodeToneWords(code, type, variantY), type), code)
                    << ToneToText(code, type);
            }
        }
    }
}

TEST(Tone2Test, EncodesEachType) {
    EXPECT_EQ(EncodeTone2(885, kToneCtcss), (Bytes2{0x75, 0x03}));
    EXPECT_EQ(EncodeTone2(0x2813, kToneDcsNormal), (Bytes2{0x13, 0x28}));
    EXPECT_EQ(EncodeTone2(0x2813, kToneDcsInverted), (Bytes2{0x13, 0xA8}));
    EXPECT_EQ(EncodeTone2(0x29EC, kToneDcsInverted), (Bytes2{0xEC, 0xA9}));
    // The DCS marker bits are forced even when the code lacks them.
    EXPECT_EQ(EncodeTone2(0x0013, kToneDcsNormal), (Bytes2{0x13, 0x28}));
    EXPECT_EQ(EncodeTone2(0xA813, kToneDcsNormal), (Bytes2{0x13, 0x28}));
}

TEST(Tone2Test, NoToneIsFFFF) {
    EXPECT_EQ(EncodeTone2(0, kToneNone), (Bytes2{0xFF, 0xFF}));
    EXPECT_EQ(EncodeTone2(0xFFFF, kToneNone), (Bytes2{0xFF, 0xFF}));
    EXPECT_EQ(EncodeTone2(0, kToneCtcss), (Bytes2{0xFF, 0xFF}));
    // A switched-off tone that still holds an old code stays off.
    EXPECT_EQ(EncodeTone2(885, kToneNone), (Bytes2{0xFF, 0xFF}));
    EXPECT_EQ(EncodeTone2(0x2813, kToneNone), (Bytes2{0xFF, 0xFF}));
}

TEST(Tone2Test, Decodes) {
    struct Case {
        Bytes2 bytes;
        Tone tone;
    };
    for (const Case& c : {
             Case{{0xFF, 0xFF}, {kToneNone, 0}},
             Case{{0x00, 0x00}, {kToneNone, 0}},
             Case{{0x75, 0x00}, {kToneNone, 0}},
             Case{{0x12, 0xFF}, {kToneNone, 0}},
             Case{{0x75, 0x03}, {kToneCtcss, 885}},
             Case{{0x13, 0x28}, {kToneDcsNormal, 0x2813}},
             Case{{0x13, 0xA8}, {kToneDcsInverted, 0x2813}},
             Case{{0xEC, 0x29}, {kToneDcsNormal, 0x29EC}},
             Case{{0xEC, 0xA9}, {kToneDcsInverted, 0x29EC}},
             // Only one of the two marker bits: a CTCSS code.
             Case{{0x10, 0x20}, {kToneCtcss, 0x2010}},
         }) {
        const Tone tone = DecodeTone2(c.bytes);
        EXPECT_EQ(tone.type, c.tone.type) << int{c.bytes[0]} << ' ' << int{c.bytes[1]};
        EXPECT_EQ(tone.code, c.tone.code) << int{c.bytes[0]} << ' ' << int{c.bytes[1]};
    }
}

TEST(Tone2Test, AllStandardTonesRoundTrip) {
    for (uint8_t type : {kToneDcsNormal, kToneDcsInverted}) {
        for (uint16_t octal : DcsTable()) {
            const Tone tone{type, static_cast<uint16_t>(kDcsCodeBase + octal)};
            EXPECT_EQ(DecodeTone2(EncodeTone2(tone.code, tone.type)), tone)
                << ToneToText(tone.code, tone.type);
        }
    }
    for (uint16_t tenths : CtcssTable()) {
        EXPECT_EQ(DecodeTone2(EncodeTone2(tenths, kToneCtcss)), (Tone{kToneCtcss, tenths}));
    }
}

TEST(FreqClassTest, MarksTheListedFrequenciesOfEachVariant) {
    struct Case {
        uint32_t hz;
        uint8_t variantY;
        uint8_t other;
    };
    const Case cases[] = {
        {136500000, 1, 1}, {147875000, 0, 1}, {159250000, 0, 1}, {170625000, 0, 2},
        {409500000, 2, 1}, {420875000, 1, 1}, {432250000, 1, 1}, {443625000, 1, 1},
        {455000000, 1, 2}, {466375000, 1, 1}, {477750000, 0, 1}, {489125000, 0, 1},
        {500500000, 0, 1}, {511875000, 0, 2}, {455000001, 0, 0}, {454993750, 0, 0},
        {146520000, 0, 0}, {0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreqClass(c.hz, true), c.variantY) << c.hz;
        EXPECT_EQ(FreqClass(c.hz, false), c.other) << c.hz;
    }
}

}  // namespace
}  // namespace radioprog
