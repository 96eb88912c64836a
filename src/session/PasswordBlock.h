#pragma once
// The scrambled 16-byte block that protects a radio: length, two keys, the scrambled
// characters, random filler and a checksum.

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string_view>

namespace radioprog {

inline constexpr size_t kPasswordBlockSize = 16;
inline constexpr size_t kMaxPasswordLength = 12;
using PasswordBlock = std::array<uint8_t, kPasswordBlockSize>;

// Scrambles up to the first 12 characters of password with the first two of randomBytes as
// keys; the rest of them fill the block where no character goes. An empty password gives a
// block the radio reads as "no password".
PasswordBlock BuildPasswordBlock(std::string_view password, const PasswordBlock& randomBytes);
// The same with the random bytes drawn from random.
PasswordBlock BuildPasswordBlock(std::string_view password, std::mt19937& random);
// The same with a generator seeded from the system's entropy source.
PasswordBlock BuildPasswordBlock(std::string_view password);

// Whether a radio holding block may be opened with unlockPassword. A radio without a
// password (length 0 or 0xFF) and a block that fails its own sanity checks both pass.
bool CheckPasswordBlock(std::span<const uint8_t, kPasswordBlockSize> block,
                        std::string_view unlockPassword);

}  // namespace radioprog
