#include "RadioPasswordBlock.h"

#include <algorithm>

namespace radioprog {

namespace {

constexpr size_t kLongestPassword = 12;

uint8_t Byte(unsigned value) {
    return static_cast<uint8_t>(value & 0xFFu);
}

}  // namespace

RadioPasswordBytes RadioPasswordBlock(std::string_view password,
                                      std::span<const uint8_t, kRadioPasswordBlockSize> noise) {
    RadioPasswordBytes block{};
    std::copy(noise.begin(), noise.end(), block.begin());
    const size_t length = std::min(password.size(), kLongestPassword);
    const unsigned firstKey = noise[0];
    const unsigned secondKey = noise[1];
    block[0] = Byte(static_cast<unsigned>(length));
    block[1] = Byte(firstKey);
    block[2] = Byte(~firstKey) ^ Byte(firstKey + secondKey);
    for (size_t i = 0; i < length; ++i) {
        const unsigned character = static_cast<unsigned char>(password[i]);
        block[3 + i] = Byte(~secondKey) ^ Byte(secondKey + character);
    }
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < block.size(); ++i) {
        sum += block[i];
    }
    block.back() = Byte(sum);
    return block;
}

}  // namespace radioprog
