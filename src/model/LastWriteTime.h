#pragma once

#include <cstdint>

namespace radioprog {

// The radio's last programming date and time, kept beside the project image (not in it).
struct LastWriteTime {
    uint16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;

    friend bool operator==(const LastWriteTime&, const LastWriteTime&) = default;
};

}  // namespace radioprog
