#pragma once
// A serial line on virtual time: each device path stands for a port that is present or not,
// and, when present, for whatever answers on it (the in-process simulated radio or a
// scripted responder). Every write is recorded with its time and device.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "RadioSimulator.h"
#include "port/SerialPort.h"

namespace radioprog::testing {

// The far end of a line.
class LineEnd {
  public:
    virtual ~LineEnd() = default;
    virtual void Receive(std::span<const uint8_t> bytes, int64_t nowMs) = 0;
    virtual std::vector<uint8_t> TakeReplies(int64_t nowMs) = 0;
};

struct TimedBytes {
    int64_t timeMs;
    std::vector<uint8_t> bytes;
};

// The simulated radio, with a reply delay chosen per request by the test.
class SimulatedRadioEnd : public LineEnd {
  public:
    explicit SimulatedRadioEnd(RadioSimulator& radio) : radio_(radio) {}
    // Delay before the answer to a request, given the request's first byte.
    std::function<int(uint8_t firstByte)> replyDelay;

    // Replaces the radio's answer to the write with this index (0 = the first write of the
    // session) by the given bytes, each part arriving timeMs after the write.
    using Intercept = std::function<std::vector<TimedBytes>(int writeIndex)>;
    Intercept intercept;

    void Receive(std::span<const uint8_t> bytes, int64_t nowMs) override;
    std::vector<uint8_t> TakeReplies(int64_t nowMs) override;

  private:
    RadioSimulator& radio_;
    int writes_ = 0;
    std::vector<TimedBytes> injected_;
};

// Answers each request with whatever the test's function returns, at the given delays.
class ScriptedEnd : public LineEnd {
  public:
    struct Reply {
        int delayMs;
        std::vector<uint8_t> bytes;
    };
    using Script = std::function<std::vector<Reply>(std::span<const uint8_t> request)>;
    explicit ScriptedEnd(Script script) : script_(std::move(script)) {}

    void Receive(std::span<const uint8_t> bytes, int64_t nowMs) override;
    std::vector<uint8_t> TakeReplies(int64_t nowMs) override;
    // Bytes the radio sends without being asked.
    void Inject(int64_t atMs, std::vector<uint8_t> bytes) { pending_.push_back({atMs, bytes}); }

  private:
    Script script_;
    std::vector<TimedBytes> pending_;
};

struct WrittenBytes {
    int64_t timeMs;
    std::string device;
    std::vector<uint8_t> bytes;
};

class SimulatedLine : public SerialPort {
  public:
    explicit SimulatedLine(std::function<int64_t()> clock) : clock_(std::move(clock)) {}

    // A present port; end may be null for a port where nothing answers.
    void AddDevice(const std::string& path, LineEnd* end);
    // A port that shows up in the probe but fails to open in the session.
    void AddBrokenDevice(const std::string& path);
    // Its next opens succeed saying that something was mended (a stale exclusive mark).
    void MendOnOpen(const std::string& path, std::string what) { mended_[path] = std::move(what); }
    bool IsPresent(const std::string& path) const { return devices_.count(path) > 0; }

    PortResult Open(const std::string& devicePath) override;
    bool IsOpen() const override { return !open_.empty(); }
    PortResult ApplyLineSettings(const LineSettings& settings) override;
    PortResult SetQueueSizes(size_t, size_t) override { return {}; }
    PortResult Purge() override;
    // Sending is instantaneous here, so only the input can still be pending.
    PortResult PurgeInput() override { return Purge(); }
    size_t Write(std::span<const uint8_t> bytes) override;
    size_t BytesWaiting() override;
    size_t Read(std::span<uint8_t> buffer) override;
    void Close() override;

    const std::vector<WrittenBytes>& Writes() const { return writes_; }
    // The writes to one device that equal bytes.
    int CountWrites(const std::string& device, std::span<const uint8_t> bytes) const;
    std::vector<int64_t> WriteTimes(const std::string& device,
                                    std::span<const uint8_t> bytes) const;
    int OpenCount() const { return opens_; }
    LineSettings lastSettings;

  private:
    std::map<std::string, std::string> mended_;
    struct Device {
        LineEnd* end = nullptr;
        bool broken = false;
    };
    void Pull();

    std::function<int64_t()> clock_;
    std::map<std::string, Device> devices_;
    std::string open_;
    std::deque<uint8_t> input_;
    std::vector<WrittenBytes> writes_;
    int opens_ = 0;
};

}  // namespace radioprog::testing
