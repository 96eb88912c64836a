#pragma once
// Little-endian reads and writes on fixed byte buffers. Every packed record of the
// radio and of our files goes through these, so no code casts a struct over bytes.

#include <cstddef>
#include <cstdint>
#include <span>

namespace radioprog {

inline uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

inline void WriteU16(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

inline void WriteU32(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// Big-endian forms, for the radio's memory map, whose multi-byte numbers are stored most
// significant byte first.
inline uint16_t ReadU16BE(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

inline uint32_t ReadU32BE(std::span<const uint8_t> bytes, size_t offset) {
    return (static_cast<uint32_t>(bytes[offset]) << 24) |
           (static_cast<uint32_t>(bytes[offset + 1]) << 16) |
           (static_cast<uint32_t>(bytes[offset + 2]) << 8) |
           static_cast<uint32_t>(bytes[offset + 3]);
}

inline void WriteU16BE(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<uint8_t>(value);
}

inline void WriteU32BE(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * (3 - i)));
    }
}

// A field of a packed record: its offset, typed by its width, so that reads and writes
// of a named field cannot use the wrong size.
struct U8Field {
    size_t offset;
};
struct U16Field {
    size_t offset;
};
struct U32Field {
    size_t offset;
};

// A fixed-width text or digit field.
struct BytesField {
    size_t offset;
    size_t size;
};

inline uint8_t Get(std::span<const uint8_t> bytes, U8Field f) {
    return bytes[f.offset];
}
inline uint16_t Get(std::span<const uint8_t> bytes, U16Field f) {
    return ReadU16(bytes, f.offset);
}
inline uint32_t Get(std::span<const uint8_t> bytes, U32Field f) {
    return ReadU32(bytes, f.offset);
}
inline void Set(std::span<uint8_t> bytes, U8Field f, uint8_t v) {
    bytes[f.offset] = v;
}
inline void Set(std::span<uint8_t> bytes, U16Field f, uint16_t v) {
    WriteU16(bytes, f.offset, v);
}
inline void Set(std::span<uint8_t> bytes, U32Field f, uint32_t v) {
    WriteU32(bytes, f.offset, v);
}

}  // namespace radioprog
