#pragma once
// How frequencies and tones are stored in the radio's memory: the current layout
// (3-byte frequency units, Golay-coded DCS words) and the older one (BCD, 2-byte tones).

#include <array>
#include <cstdint>

#include "model/ToneCodec.h"

namespace radioprog {

// Units of 125 Hz when variantY, else 62.5 Hz; 24 bits, most significant byte first.
std::array<uint8_t, 3> EncodeFreq3(uint32_t hz, bool variantY);
uint32_t DecodeFreq3(const std::array<uint8_t, 3>& bytes, bool variantY);

// Hz / 10 as 8 packed BCD digits, least significant pair first.
std::array<uint8_t, 4> EncodeFreqBcd(uint32_t hz);
uint32_t DecodeFreqBcd(const std::array<uint8_t, 4>& bytes);

struct ToneWords {
    uint16_t w0 = 0;
    uint16_t w1 = 0;
    friend bool operator==(const ToneWords&, const ToneWords&) = default;
};
ToneWords EncodeToneWords(uint16_t code, uint8_t type, bool variantY);
// The code for the given type (0 for type 0).
uint16_t DecodeToneWords(const ToneWords& words, uint8_t type);

// Low byte of the code first; no tone is written as FF FF.
std::array<uint8_t, 2> EncodeTone2(uint16_t code, uint8_t type);
Tone DecodeTone2(const std::array<uint8_t, 2>& bytes);

// The 2-bit class that marks a few exact frequencies for the radio; 0 for all others.
uint8_t FreqClass(uint32_t hz, bool variantY);

}  // namespace radioprog
