#pragma once
// A whole programming session on a virtual clock, its radio's replies read from the input.
//
// Input: one byte of job flags, then one record per request the session writes:
//   0xFF                 the radio stays silent
//   0xFE L G N b1..bN    the radio answers twice, like one whose answer came after the
//                        session had repeated the request: after 8*L ms (past the repeat
//                        from L = 125 on), and the same bytes again 2*G ms later
//   D N b1..bN           after 2*D ms the radio answers these N bytes
// A recorder mode plays the simulated radio instead and writes its answers in this form, which
// is how the seed corpus holds a complete session of every job.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "RadioSimulator.h"
#include "appdata/AppData.h"
#include "port/SerialPort.h"
#include "session/ProgramSession.h"
#include "session/SessionHost.h"
#include "session/TimerSchedule.h"

namespace radioprog::fuzz {

// Job flags, the input's first byte.
inline constexpr uint8_t kJobMask = 0x07;         // index into kJobs
inline constexpr uint8_t kUnlockPassword = 0x08;  // the project carries an unlock password
inline constexpr uint8_t kPasswordWithData = 0x10;
inline constexpr uint8_t kAutoSearch = 0x20;       // two ports, the session searches
inline constexpr uint8_t kFirstPortBroken = 0x40;  // port 1 fails to open
inline constexpr uint8_t kNewPassword = 0x80;      // the project carries a new password
inline constexpr uint8_t kSilence = 0xFF;
inline constexpr uint8_t kAnsweredTwice = 0xFE;
inline constexpr int kDelayUnitMs = 2;
inline constexpr int kLateUnitMs = 8;

struct Job {
    SessionMode mode;
    bool read;
};
inline constexpr std::array<Job, 8> kJobs = {{{SessionMode::Data, true},
                                              {SessionMode::Data, false},
                                              {SessionMode::Calibration, true},
                                              {SessionMode::Calibration, false},
                                              {SessionMode::NewPassword, false},
                                              {SessionMode::ChipStatus, true},
                                              {SessionMode::CalibrationAndData, false},
                                              // no such job: it must end cleanly all the same
                                              {SessionMode::CalibrationAndData, true}}};
inline constexpr size_t kRealJobCount = 7;

class VirtualClock {
  public:
    int64_t now = 0;
};

// The line: replies come from the input (or from a simulated radio while recording).
class ScriptedLine final : public SerialPort {
  public:
    explicit ScriptedLine(const VirtualClock& clock) : clock_(clock) {}
    void Reset(std::span<const uint8_t> script, RadioSimulator* recordFrom,
               std::vector<uint8_t>* recording, bool firstPortBroken);

    PortResult Open(const std::string& devicePath) override;
    bool IsOpen() const override { return open_; }
    PortResult ApplyLineSettings(const LineSettings&) override { return {}; }
    PortResult SetQueueSizes(size_t, size_t) override { return {}; }
    PortResult Purge() override;
    PortResult PurgeInput() override { return Purge(); }
    size_t Write(std::span<const uint8_t> bytes) override;
    size_t BytesWaiting() override;
    size_t Read(std::span<uint8_t> buffer) override;
    void Close() override {
        open_ = false;
        ++activity;
    }
    // When the next scripted reply arrives, or INT64_MAX when none is on its way.
    int64_t NextArrival() const;
    // Counts every act the session performs on the line besides polling it.
    uint64_t activity = 0;

    // Every record taken and every reply delivered: the rest of the session is silence.
    bool Exhausted() const {
        return at_ >= script_.size() && pendingCount_ == 0 && inputEnd_ == inputStart_;
    }

  private:
    struct Pending {
        int64_t due;
        std::span<const uint8_t> bytes;
    };
    void Schedule(int64_t due, std::span<const uint8_t> bytes);
    void Deliver();

    const VirtualClock& clock_;
    std::span<const uint8_t> script_;
    size_t at_ = 0;
    RadioSimulator* radio_ = nullptr;
    std::vector<uint8_t>* recording_ = nullptr;
    std::vector<uint8_t> recorded_;  // replies taken from the radio, kept for delivery
    bool open_ = false;
    bool firstPortBroken_ = false;
    std::array<Pending, 8> pending_{};
    size_t pendingCount_ = 0;
    std::array<uint8_t, 4096> input_{};
    size_t inputStart_ = 0;
    size_t inputEnd_ = 0;
};

class ClockHost final : public SessionHost {
  public:
    explicit ClockHost(VirtualClock& clock) : clock_(clock) {}
    void Reset();
    // Fires timers in due order until the session ends; a session whose line has gone
    // quiet for good is closed like a window after a while. False if it never ended.
    //
    // A receive poll that finds no new bytes and changes nothing (same stage, same buffered
    // reply, no request, timer, message or progress) leaves the session exactly as it was, so
    // the same poll repeated until the next arrival or timer is skipped: the poll's 3 ms grid
    // is kept, and the last poll before that event runs for real.
    bool Run(ProgramSession& session, ScriptedLine& line);

    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override {
        clock_.now += ms;
        ++activity;
    }
    void SetProgress(int position) override {
        progress = position;
        ++activity;
    }
    void AdvanceProgress(int by) override {
        progress += by;
        ++activity;
    }
    void ShowMessage(SessionMessage) override {
        ++messages;
        ++activity;
    }
    void CloseWindow() override {}
    void DataRead() override {}
    void CalibrationRead() override {}
    void ChipStatusRead() override {}

    int progress = 0;
    int messages = 0;
    // Counts everything the session asks of its host besides re-arming the receive poll.
    uint64_t activity = 0;

  private:
    void PollAndSkipRepeats(ProgramSession& session, ScriptedLine& line);

    VirtualClock& clock_;
    TimerSchedule timers_;
};

// Runs the job the flags name; replies from script, or recorded from radio when given.
// The session's outcome.
SessionOutcome RunScriptedSession(uint8_t flags, std::span<const uint8_t> script,
                                  RadioSimulator* recordFrom = nullptr,
                                  std::vector<uint8_t>* recording = nullptr);

}  // namespace radioprog::fuzz
