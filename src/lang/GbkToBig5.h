#pragma once
// GBK to Big5, character by character. One 16-bit entry for every GBK pair with lead byte
// 0x81..0xFE and trail byte 0x40..0xFE (126 x 191 entries); 0 where the character has no
// Big5 code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace radioprog {

inline constexpr std::uint8_t kGbkLeadFirst = 0x81;
inline constexpr std::uint8_t kGbkLeadLast = 0xFE;
inline constexpr std::uint8_t kGbkTrailFirst = 0x40;
inline constexpr std::uint8_t kGbkTrailLast = 0xFE;
inline constexpr std::size_t kGbkTrailSpan = kGbkTrailLast - kGbkTrailFirst + 1;  // 191
inline constexpr std::size_t kGbkToBig5Entries =
    (kGbkLeadLast - kGbkLeadFirst + 1) * kGbkTrailSpan;  // 24,066
static_assert(kGbkToBig5Entries == 24066);

inline bool IsGbkLeadByte(std::uint8_t b) {
    return b >= kGbkLeadFirst && b <= kGbkLeadLast;
}
inline bool IsGbkTrailByte(std::uint8_t b) {
    return b >= kGbkTrailFirst && b <= kGbkTrailLast;
}

// The Big5 code (lead byte high, trail byte low) of the GBK pair, or 0 when there is none or
// the bytes are not a GBK pair.
std::uint16_t Big5CodeOfGbk(std::uint8_t lead, std::uint8_t trail);

// Replaces every GBK pair that has a Big5 code; every other byte passes unchanged. A lead
// byte at the very end is copied as it is. Same length as the input.
std::string ConvertGbkToBig5(std::string_view gbk);

}  // namespace radioprog
