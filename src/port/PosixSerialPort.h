#pragma once
// A serial device node (or pseudo-terminal) opened for exclusive, non-blocking use.

#include <string>

#include "port/SerialPort.h"

namespace radioprog {

class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    // Fails with the reason (no such device, not a serial device, in use by another
    // program, no permission with the group to join) and never blocks. An open port is
    // closed first.
    PortResult Open(const std::string& devicePath) override;
    bool IsOpen() const override { return fd_ >= 0; }
    // Raw mode at the requested speed and framing; DTR and RTS where the device has them.
    PortResult ApplyLineSettings(const LineSettings& settings) override;
    // The kernel sizes its own queues; accepted and ignored.
    PortResult SetQueueSizes(size_t inputBytes, size_t outputBytes) override;
    PortResult Purge() override;
    PortResult PurgeInput() override;
    size_t Write(std::span<const uint8_t> bytes) override;
    size_t BytesWaiting() override;
    size_t Read(std::span<uint8_t> buffer) override;
    void Close() override;

    const std::string& DevicePath() const { return path_; }
    // The open descriptor, for an event loop that wants to wake when input arrives; -1 when
    // closed.
    int Descriptor() const { return fd_; }

  private:
    PortResult Flush(int queues);

    int fd_ = -1;
    std::string path_;
};

// Whether devicePath can be opened for exclusive use right now; opens and closes it at once.
bool CanOpenExclusively(const std::string& devicePath);

}  // namespace radioprog
