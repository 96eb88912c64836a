#pragma once
// The bytes of the radio protocol: requests the tool sends and the fixed replies it checks.
// No framing and no checksum: a reply is known by its first byte and its length.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace radioprog::protocol {

inline constexpr std::array<uint8_t, 7> kHandshake = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
inline constexpr uint8_t kAnswerS = 'S';
inline constexpr uint8_t kAnswerY = 'Y';
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kLegacyIdentify = 0x02;
inline constexpr std::array<uint8_t, 8> kLegacyIdentification = {'K', '7', '0',  '4',
                                                                 '1', '5', 0xF8, 0xFF};
inline constexpr uint8_t kReadCommand = 'R';
// Starts both a data reply and a write request.
inline constexpr uint8_t kDataCommand = 'W';
inline constexpr uint8_t kEnd = 'E';
inline constexpr std::array<uint8_t, 2> kStatusQuery = {'Y', 'R'};
inline constexpr std::array<uint8_t, 2> kStatusReplyStart = {'Y', 'S'};
inline constexpr size_t kStatusReplyLength = 13;
// Command, address high, address low, length.
inline constexpr size_t kBlockHeaderLength = 4;

std::vector<uint8_t> ReadRequest(uint16_t address, uint8_t length);
std::vector<uint8_t> WriteRequest(uint16_t address, std::span<const uint8_t> data);

// The address a data reply or request names.
inline uint16_t BlockAddress(std::span<const uint8_t> header) {
    return static_cast<uint16_t>((header[1] << 8) | header[2]);
}

}  // namespace radioprog::protocol
