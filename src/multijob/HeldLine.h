#pragma once
// A job's serial line that keeps the job's pauses itself. A session pauses by blocking its
// thread, which on a loop shared by many jobs would stall every one of them. Instead the line
// is held: what the job sends or purges while held waits, in order, and nothing is received,
// until the hold ends and all of it happens at once. To the radio the job looks exactly as if
// its thread had slept; the other jobs go on meanwhile.

#include <cstdint>
#include <vector>

#include "port/SerialPort.h"

namespace radioprog {

class HeldLine final : public SerialPort {
  public:
    explicit HeldLine(SerialPort& line) : line_(line) {}

    // Holds the line until the time given (in the clock its host keeps); a hold that is on
    // already is only ever made longer.
    void HoldUntil(int64_t until);
    bool IsHeld() const { return held_; }
    // When the hold ends; meaningful while held.
    int64_t HeldUntil() const { return until_; }
    // Ends the hold: the purges and writes made meanwhile reach the line in their order.
    void Release();

    PortResult Open(const std::string& devicePath) override { return line_.Open(devicePath); }
    bool IsOpen() const override { return line_.IsOpen(); }
    PortResult ApplyLineSettings(const LineSettings& settings) override {
        return line_.ApplyLineSettings(settings);
    }
    PortResult SetQueueSizes(size_t inputBytes, size_t outputBytes) override {
        return line_.SetQueueSizes(inputBytes, outputBytes);
    }
    PortResult Purge() override;
    PortResult PurgeInput() override;
    size_t Write(std::span<const uint8_t> bytes) override;
    size_t BytesWaiting() override { return held_ ? 0 : line_.BytesWaiting(); }
    size_t Read(std::span<uint8_t> buffer) override { return held_ ? 0 : line_.Read(buffer); }
    // A job closing its line in the middle of a hold is being stopped: what waited is dropped.
    void Close() override;

  private:
    enum class Step { Purge, PurgeInput, Write };
    struct Deferred {
        Step step;
        std::vector<uint8_t> bytes;
    };

    SerialPort& line_;
    bool held_ = false;
    int64_t until_ = 0;
    std::vector<Deferred> deferred_;
};

}  // namespace radioprog
