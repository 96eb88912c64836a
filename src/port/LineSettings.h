#pragma once

#include <cstddef>
#include <cstdint>

namespace radioprog {

// Everything the session asks of the serial line. Set_dcb fills it; a SerialPort applies
// what its device supports.
struct LineSettings {
    uint32_t baudRate = 9600;
    uint8_t dataBits = 8;
    bool parity = false;
    uint8_t stopBits = 1;
    bool binary = true;
    bool dtrOn = true;
    bool rtsOn = true;
    bool ctsFlowControl = false;
    bool dsrFlowControl = false;
    bool dsrSensitivity = false;
    bool xonXoff = false;
    bool replaceErrors = false;
    bool discardNulls = false;
    bool abortOnError = false;
    uint16_t xonLimit = 2048;
    uint16_t xoffLimit = 512;
    uint8_t xonChar = 0x11;
    uint8_t xoffChar = 0x13;
    uint8_t errorChar = 0;
    uint8_t eofChar = 0;
    uint8_t eventChar = 0;
};

}  // namespace radioprog

namespace radioprog {

// The line every session uses: 9600 baud, 8 data bits, no parity, 1 stop bit, binary,
// DTR and RTS on, no flow control, no character replacement.
LineSettings Set_dcb();

// Driver queue size the session asks for in each direction.
inline constexpr size_t kSessionQueueBytes = 1024;

}  // namespace radioprog
