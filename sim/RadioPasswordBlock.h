#pragma once
// The password block as a radio keeps it at 0x4040, built by the simulated radio itself from
// the protocol's rules: the tool checks this block when it opens the radio, so the radio must
// never borrow the tool's own construction, or a misreading of the rules would agree with
// itself on both sides of the line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace radioprog {

inline constexpr size_t kRadioPasswordBlockSize = 16;
using RadioPasswordBytes = std::array<uint8_t, kRadioPasswordBlockSize>;

// The block of password (its first 12 characters) from 16 bytes of noise: noise[0] and
// noise[1] are the two keys, the rest fills what no character covers.
RadioPasswordBytes RadioPasswordBlock(std::string_view password,
                                      std::span<const uint8_t, kRadioPasswordBlockSize> noise);

}  // namespace radioprog
