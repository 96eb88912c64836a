#include "session/SessionRequests.h"

namespace radioprog::protocol {

namespace {

std::vector<uint8_t> BlockHeader(uint8_t command, uint16_t address, uint8_t length) {
    return {command, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), length};
}

}  // namespace

std::vector<uint8_t> ReadRequest(uint16_t address, uint8_t length) {
    return BlockHeader(kReadCommand, address, length);
}

std::vector<uint8_t> WriteRequest(uint16_t address, std::span<const uint8_t> data) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kBlockHeaderLength + data.size());
    for (uint8_t b : BlockHeader(kDataCommand, address, static_cast<uint8_t>(data.size()))) {
        bytes.push_back(b);
    }
    for (uint8_t b : data) {
        bytes.push_back(b);
    }
    return bytes;
}

}  // namespace radioprog::protocol
