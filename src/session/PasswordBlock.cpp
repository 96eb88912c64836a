#include "session/PasswordBlock.h"

#include <numeric>

namespace radioprog {

namespace {

constexpr size_t kLengthByte = 0;
constexpr size_t kKey1Byte = 1;
constexpr size_t kKey2Byte = 2;
constexpr size_t kFirstCharByte = 3;
constexpr size_t kChecksumByte = 15;

uint8_t Checksum(std::span<const uint8_t, kPasswordBlockSize> block) {
    return static_cast<uint8_t>(std::accumulate(block.begin(), block.begin() + kChecksumByte, 0u));
}

uint8_t Scramble(uint8_t key, uint8_t value) {
    return static_cast<uint8_t>(~key ^ static_cast<uint8_t>(key + value));
}

uint8_t Unscramble(uint8_t key, uint8_t scrambled) {
    return static_cast<uint8_t>(static_cast<uint8_t>(~(scrambled ^ key)) - key);
}

}  // namespace

PasswordBlock BuildPasswordBlock(std::string_view password, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    PasswordBlock randomBytes{};
    for (auto& b : randomBytes) {
        b = static_cast<uint8_t>(byte(random));
    }
    return BuildPasswordBlock(password, randomBytes);
}

PasswordBlock BuildPasswordBlock(std::string_view password, const PasswordBlock& randomBytes) {
    const size_t n = std::min(password.size(), kMaxPasswordLength);
    PasswordBlock block = randomBytes;
    const uint8_t k1 = block[0];
    const uint8_t k2 = block[1];
    block[kLengthByte] = static_cast<uint8_t>(n);
    block[kKey1Byte] = k1;
    block[kKey2Byte] = Scramble(k1, k2);
    for (size_t i = 0; i < n; ++i) {
        block[kFirstCharByte + i] = Scramble(k2, static_cast<uint8_t>(password[i]));
    }
    block[kChecksumByte] = Checksum(block);
    return block;
}

PasswordBlock BuildPasswordBlock(std::string_view password) {
    std::random_device entropy;
    std::mt19937 random(entropy());
    return BuildPasswordBlock(password, random);
}

bool CheckPasswordBlock(std::span<const uint8_t, kPasswordBlockSize> block,
                        std::string_view unlockPassword) {
    const uint8_t n = block[kLengthByte];
    if (n == 0 || n == 0xFF) {
        return true;
    }
    if (n != unlockPassword.size()) {
        return false;
    }
    if (n > kMaxPasswordLength || block[kChecksumByte] != Checksum(block)) {
        return true;
    }
    const uint8_t k1 = block[kKey1Byte];
    const uint8_t k2 = Unscramble(k1, block[kKey2Byte]);
    for (size_t i = 0; i < n; ++i) {
        if (Unscramble(k2, block[kFirstCharByte + i]) != static_cast<uint8_t>(unlockPassword[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace radioprog
