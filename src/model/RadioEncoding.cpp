#include "model/RadioEncoding.h"

#include <algorithm>
#include <span>

namespace radioprog {

namespace {

// ---- Frequencies ----

constexpr uint64_t kUnitVariantY = 125;  // Hz per unit; the other radios count half units
constexpr uint32_t kFreq3Mask = 0xFFFFFF;

// ---- DCS code words: Golay (23,12), data in bits 0-11, check bits in bits 12-22 ----

constexpr uint32_t kGolayGenerator = 0xC75;  // x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1
constexpr int kGolayDataBits = 12;
constexpr int kGolayCheckBits = 11;
constexpr uint16_t kDcsDataMarker = 0x800;  // data bit 11 is always set
constexpr uint16_t kDcsOctalMask = 0x1FF;
constexpr int kWord0Bits = 7;  // code-word bits 0-6 go into W0, bits 7-22 into W1
constexpr int kWord1Bits = 16;

constexpr uint32_t PolynomialRemainder(uint32_t value) {
    for (int bit = kGolayDataBits + kGolayCheckBits - 1; bit >= kGolayCheckBits; --bit) {
        if (value & (1u << bit)) {
            value ^= kGolayGenerator << (bit - kGolayCheckBits);
        }
    }
    return value;
}

// The check bits of each data bit alone; a code word's check bits are the XOR of the entries
// of its set data bits, since the remainder is linear.
constexpr std::array<uint16_t, kGolayDataBits> MakeGolayCheckTable() {
    std::array<uint16_t, kGolayDataBits> table{};
    for (int bit = 0; bit < kGolayDataBits; ++bit) {
        table[bit] = static_cast<uint16_t>(PolynomialRemainder(1u << (bit + kGolayCheckBits)));
    }
    return table;
}

constexpr std::array<uint16_t, kGolayDataBits> kGolayCheckTable = MakeGolayCheckTable();

uint32_t DcsCodeWord(uint16_t code) {
    const uint16_t data = static_cast<uint16_t>((code & kDcsOctalMask) | kDcsDataMarker);
    uint16_t check = 0;
    for (int bit = 0; bit < kGolayDataBits; ++bit) {
        if (data & (1u << bit)) {
            check ^= kGolayCheckTable[bit];
        }
    }
    return data | (static_cast<uint32_t>(check) << kGolayDataBits);
}

// The lowest `count` bits of value, in reverse order.
uint32_t ReverseBits(uint32_t value, int count) {
    uint32_t reversed = 0;
    for (int i = 0; i < count; ++i) {
        reversed = (reversed << 1) | ((value >> i) & 1u);
    }
    return reversed;
}

ToneWords DcsToneWords(uint16_t code, bool inverted) {
    const uint32_t word = DcsCodeWord(code);
    ToneWords words{static_cast<uint16_t>(ReverseBits(word, kWord0Bits)),
                    static_cast<uint16_t>(ReverseBits(word >> kWord0Bits, kWord1Bits))};
    if (inverted) {
        words.w0 = static_cast<uint16_t>(~words.w0 & 0x7F);
        words.w1 = static_cast<uint16_t>(~words.w1);
    }
    return words;
}

uint16_t DcsCodeFromWords(const ToneWords& words, bool inverted) {
    uint16_t low = words.w0 & 0xFF;
    uint16_t high = words.w1 >> 8;
    if (inverted) {
        low = ~low & 0xFF;
        high = ~high & 0xFF;
    }
    const uint32_t bits0to6 = ReverseBits(low, kWord0Bits);
    const uint32_t bit7 = (high >> 7) & 1u;
    const uint32_t bit8 = (high >> 6) & 1u;
    return static_cast<uint16_t>(kDcsCodeBase + (bits0to6 | bit7 << 7 | bit8 << 8));
}

// ---- Older two-byte tones ----

constexpr uint8_t kTone2DcsMarker = 0x28;
constexpr uint8_t kTone2Inverted = 0x80;
constexpr uint8_t kTone2Empty = 0xFF;

// ---- Frequency classes ----

constexpr std::array<uint32_t, 6> kClass1VariantY = {136500000, 420875000, 432250000,
                                                     443625000, 455000000, 466375000};
constexpr std::array<uint32_t, 1> kClass2VariantY = {409500000};
constexpr std::array<uint32_t, 11> kClass1Other = {136500000, 147875000, 159250000, 409500000,
                                                   420875000, 432250000, 443625000, 466375000,
                                                   477750000, 489125000, 500500000};
constexpr std::array<uint32_t, 3> kClass2Other = {170625000, 455000000, 511875000};

bool Contains(std::span<const uint32_t> table, uint32_t hz) {
    return std::find(table.begin(), table.end(), hz) != table.end();
}

}  // namespace

std::array<uint8_t, 3> EncodeFreq3(uint32_t hz, bool variantY) {
    const uint64_t halfUnits = static_cast<uint64_t>(hz) * 2;
    const uint32_t n =
        static_cast<uint32_t>(variantY ? hz / kUnitVariantY : halfUnits / kUnitVariantY) &
        kFreq3Mask;
    return {static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)};
}

uint32_t DecodeFreq3(const std::array<uint8_t, 3>& bytes, bool variantY) {
    const uint32_t n = static_cast<uint32_t>(bytes[0]) << 16 | bytes[1] << 8 | bytes[2];
    const uint32_t v = n * static_cast<uint32_t>(kUnitVariantY);
    return variantY ? v : v >> 1;
}

std::array<uint8_t, 4> EncodeFreqBcd(uint32_t hz) {
    uint32_t tens = hz / 10;
    std::array<uint8_t, 4> bytes{};
    for (uint8_t& pair : bytes) {
        const uint8_t low = tens % 10;
        tens /= 10;
        const uint8_t high = tens % 10;
        tens /= 10;
        pair = static_cast<uint8_t>(high << 4 | low);
    }
    return bytes;
}

uint32_t DecodeFreqBcd(const std::array<uint8_t, 4>& bytes) {
    // Nibbles above 9 from a damaged record are taken at face value; the sum still fits.
    uint32_t tens = 0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        tens = tens * 100 + (*it >> 4) * 10u + (*it & 0x0F);
    }
    return tens * 10;
}

ToneWords EncodeToneWords(uint16_t code, uint8_t type, bool variantY) {
    switch (type) {
        case kToneCtcss: {
            const uint64_t w1 = variantY ? static_cast<uint64_t>(code) * 65536 / 10000
                                         : static_cast<uint64_t>(code) * 10;
            return {code, static_cast<uint16_t>(w1)};
        }
        case kToneDcsNormal:
            return DcsToneWords(code, false);
        case kToneDcsInverted:
            return DcsToneWords(code, true);
        default:
            return {};
    }
}

uint16_t DecodeToneWords(const ToneWords& words, uint8_t type) {
    switch (type) {
        case kToneCtcss:
            return words.w0;
        case kToneDcsNormal:
            return DcsCodeFromWords(words, false);
        case kToneDcsInverted:
            return DcsCodeFromWords(words, true);
        default:
            return 0;
    }
}

std::array<uint8_t, 2> EncodeTone2(uint16_t code, uint8_t type) {
    // A tone switched off may still carry an old code; it must not reach the radio as a tone.
    if (type != kToneCtcss && type != kToneDcsNormal && type != kToneDcsInverted) {
        return {kTone2Empty, kTone2Empty};
    }
    const uint8_t low = static_cast<uint8_t>(code);
    uint8_t high = static_cast<uint8_t>(code >> 8);
    if (type == kToneDcsNormal) {
        high = static_cast<uint8_t>((high | kTone2DcsMarker) & ~kTone2Inverted);
    } else if (type == kToneDcsInverted) {
        high |= kTone2DcsMarker | kTone2Inverted;
    }
    if (low == 0 && high == 0) {
        return {kTone2Empty, kTone2Empty};
    }
    return {low, high};
}

Tone DecodeTone2(const std::array<uint8_t, 2>& bytes) {
    const uint8_t low = bytes[0];
    const uint8_t high = bytes[1];
    if (high == 0x00 || high == kTone2Empty) {
        return {};
    }
    if ((high & kTone2DcsMarker) == kTone2DcsMarker) {
        const uint8_t type = (high & kTone2Inverted) ? kToneDcsInverted : kToneDcsNormal;
        return {type, static_cast<uint16_t>((high & ~kTone2Inverted) << 8 | low)};
    }
    return {kToneCtcss, static_cast<uint16_t>(high << 8 | low)};
}

uint8_t FreqClass(uint32_t hz, bool variantY) {
    if (Contains(variantY ? std::span<const uint32_t>(kClass1VariantY) : kClass1Other, hz)) {
        return 1;
    }
    if (Contains(variantY ? std::span<const uint32_t>(kClass2VariantY) : kClass2Other, hz)) {
        return 2;
    }
    return 0;
}

}  // namespace radioprog
