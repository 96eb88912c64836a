#pragma once
// A fixed-size packed record held as bytes, reached through named fields (ByteAccess.h).
// The project image and the calibration record are both kept this way, so that the files
// and the radio get exactly the bytes they expect.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/ByteAccess.h"

namespace radioprog {

template <size_t Size>
class PackedRecord {
  public:
    using Bytes = std::array<uint8_t, Size>;
    static constexpr size_t kSize = Size;

    PackedRecord() { bytes_.fill(0); }

    std::span<uint8_t, Size> Raw() { return bytes_; }
    std::span<const uint8_t, Size> Raw() const { return bytes_; }

    template <typename FieldType>
    auto Get(FieldType f) const {
        return radioprog::Get(std::span<const uint8_t>(bytes_), f);
    }
    template <typename FieldType, typename Value>
    void Set(FieldType f, Value v) {
        radioprog::Set(std::span<uint8_t>(bytes_), f, v);
    }

    std::span<uint8_t> Field(BytesField f) { return std::span(bytes_).subspan(f.offset, f.size); }
    std::span<const uint8_t> Field(BytesField f) const {
        return std::span(bytes_).subspan(f.offset, f.size);
    }

  protected:
    Bytes bytes_;
};

}  // namespace radioprog
