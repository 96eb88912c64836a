#pragma once
// The radio's block messages as tests spell them out, independently of the code under test:
// 'R' address length for a read request; 'W' address length data for a write request and
// for the radio's answer to a read.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace radioprog::testing {

inline std::vector<uint8_t> ReadRequest(uint16_t address, uint8_t length = 16) {
    return {'R', static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), length};
}

inline std::vector<uint8_t> BlockMessage(uint16_t address, std::span<const uint8_t> data) {
    std::vector<uint8_t> message(4 + data.size());
    message[0] = 'W';
    message[1] = static_cast<uint8_t>(address >> 8);
    message[2] = static_cast<uint8_t>(address);
    message[3] = static_cast<uint8_t>(data.size());
    std::copy(data.begin(), data.end(), message.begin() + 4);
    return message;
}

}  // namespace radioprog::testing
