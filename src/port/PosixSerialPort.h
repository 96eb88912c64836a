#pragma once
// A serial device node (or pseudo-terminal) opened for exclusive, non-blocking use.

#include <string>

#include "port/SerialPort.h"
#include "port/UucpLock.h"

namespace radioprog {

class PosixSerialPort final : public SerialPort {
  public:
    // lockFolder: where the UUCP lock files of serial programs live.
    explicit PosixSerialPort(std::string lockFolder = kLockFolder)
        : lockFolder_(std::move(lockFolder)) {}
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    // Fails with the reason (no such device, not a serial device, in use by another
    // program, no permission and what would grant it) and never blocks. An open port is
    // closed first. A line is in use when a live UUCP lock file names it, when it is already
    // marked exclusive, when another descriptor holds its flock, or when another process has
    // it open; the message names that process where it can be known. While open we hold a
    // lock file with our process id, the flock and the exclusive flag. An exclusive flag
    // with no process behind it is stale: it is cleared where the system lets us open the
    // line (root), and the successful result's message says so.
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
    PortResult OpenLocked(const std::string& devicePath);

    std::string lockFolder_;
    UucpLock lock_;
    int fd_ = -1;
    bool weSetExclusive_ = false;
    std::string path_;
};

// Whether devicePath can be opened for exclusive use right now; opens and closes it at once.
bool CanOpenExclusively(const std::string& devicePath, const std::string& lockFolder = kLockFolder);

}  // namespace radioprog
