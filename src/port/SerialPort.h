#pragma once
// The serial line as the programming session sees it. The real implementation talks to
// a device node; tests put a simulated radio behind it on virtual time.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "port/LineSettings.h"

namespace radioprog {

enum class PortError {
    None,
    NoSuchDevice,  // nothing at that path
    NotSerial,     // the path is not a terminal device
    InUse,         // another program holds it
    NoPermission,  // the user may not open it
    IoError,       // anything else the system reported
};

struct PortResult {
    PortError error = PortError::None;
    // For the user: what failed and what to do about it; on success, what was mended on
    // the way (empty when nothing was).
    std::string message;
    explicit operator bool() const { return error == PortError::None; }
};

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the device for exclusive use, without blocking.
    virtual PortResult Open(const std::string& devicePath) = 0;
    virtual bool IsOpen() const = 0;
    virtual PortResult ApplyLineSettings(const LineSettings& settings) = 0;
    virtual PortResult SetQueueSizes(size_t inputBytes, size_t outputBytes) = 0;
    // Drops everything pending in both directions.
    virtual PortResult Purge() = 0;
    // Drops only what has been received; bytes still being sent go out.
    virtual PortResult PurgeInput() = 0;
    // Queues all bytes for sending; returns how many were accepted.
    virtual size_t Write(std::span<const uint8_t> bytes) = 0;
    // Bytes in the input queue right now.
    virtual size_t BytesWaiting() = 0;
    // Takes up to buffer.size() bytes that are already waiting; never blocks.
    virtual size_t Read(std::span<uint8_t> buffer) = 0;
    virtual void Close() = 0;
};

}  // namespace radioprog
