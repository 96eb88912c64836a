#include <array>
#include <cstdio>

#include "programminglog/ProgrammingLog.h"

namespace radioprog {

namespace {

// The reflected polynomial of CRC-32 (IEEE 802.3).
constexpr uint32_t kPolynomial = 0xEDB88320;

constexpr std::array<uint32_t, 256> MakeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1) != 0 ? (value >> 1) ^ kPolynomial : value >> 1;
        }
        table[i] = value;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

}  // namespace

std::string DataChecksum(std::span<const uint8_t> bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (uint8_t byte : bytes) {
        crc = kTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    }
    crc ^= 0xFFFFFFFF;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", crc);
    return text;
}

}  // namespace radioprog
