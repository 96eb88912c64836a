#pragma once
// One radio of a bench: a job (a read, or a write with its safety net) on a device of its
// own, with its own copy of the program state, its own port choice, serial port and timers,
// run by a loop that serves many such jobs at once (BenchLoop). The job is its own host: its
// timers keep its clock, its pauses hold its line (HeldLine), and what a front end shows of
// it goes to a presenter, marked with the radio's index. Nothing is shared between two jobs
// but the presenter and the history folder, whose entries and log lines are taken whole.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "jobs/RadioJobs.h"
#include "multijob/HeldLine.h"
#include "port/PosixSerialPort.h"
#include "session/TimerSchedule.h"

namespace radioprog {

// What a front end shows of the radios of a bench; every call names the radio by its index.
class BenchPresenter {
  public:
    virtual ~BenchPresenter() = default;
    virtual void StageStarted(size_t /*radio*/, WriteStage /*stage*/) {}
    virtual void Progress(size_t /*radio*/, int /*percent*/) {}
    virtual void VerifyFailed(size_t /*radio*/, const VerifyReport& /*report*/) {}
    virtual void VerifyNotRun(size_t /*radio*/, SessionMessage /*why*/) {}
    virtual void Told(size_t /*radio*/, const JobNote& /*note*/) {}
    virtual void PortMended(size_t /*radio*/, const std::string& /*what*/) {}
    // The radio's job has ended, however it ended; its result is final.
    virtual void Finished(size_t /*radio*/) {}
};

enum class BenchVerify { NotAsked, Agreed, Differs, CouldNotRun, NotReached };

// How a radio's job ended, as far as a front end or a summary needs to know.
struct BenchResult {
    SessionOutcome outcome = SessionOutcome::NotStarted;
    std::optional<RadioKind> radio;
    PortResult portFailure;  // why the port could not be opened, if it could not
    // The session's own last word (the message a window would show), if it said one.
    std::optional<SessionMessage> message;
    bool backupRefused = false;  // the backup could not be kept, so nothing was written
    BenchVerify verify = BenchVerify::NotAsked;
    std::vector<std::string> backups;  // history entries kept before the write
    // The write stage began with a radio that had answered, and did not get to its end: the
    // radio may hold part of the new data and part of the old.
    bool leftHalfWritten = false;
    // Every block of the write was sent and acknowledged (its read-back may not have run).
    bool written = false;

    bool Succeeded() const { return outcome == SessionOutcome::Success; }
};

class BenchJob final : private JobHost {
  public:
    // state: what a write sends and a read starts from, copied. port: the configured port
    // choice (lock folder, map source), pinned here to device alone, without auto search.
    BenchJob(size_t index, const JobOrder& order, const SessionState& state, const PortChoice& port,
             std::string device, const HistorySettings& history, BenchPresenter& presenter);
    ~BenchJob() override;
    BenchJob(const BenchJob&) = delete;
    BenchJob& operator=(const BenchJob&) = delete;

    const std::string& Device() const { return device_; }
    size_t Index() const { return index_; }

    // The loop's side, all in microseconds of the monotonic clock.
    void Start();
    bool IsRunning() const;
    // When the job next has something to do: its first timer due, or the end of its hold.
    std::optional<int64_t> NextDue() const;
    // Fires the timer that is due, if one is (at most one per call).
    void RunDue(int64_t now);
    // The descriptor to wake on for input, or -1 (no receive poll running, the line held,
    // or the line hung up).
    int InputDescriptor() const;
    // Input is waiting: the receive poll runs now rather than on its next tick.
    void InputArrived(int64_t now);
    // The line hung up (the radio or its adapter is gone): it reports itself ready for ever,
    // so it is no longer waited on; the receive poll keeps its tick and the silence limit
    // ends the job.
    void LineHungUp();
    // Stops the job at once, as a window's close box would; the port and its lock are free
    // when this returns.
    void Stop();

    const BenchResult& Result() const { return result_; }
    // What a read brought (the project and band), once it has succeeded.
    const SessionState& State() const { return state_; }

  private:
    void Conclude();

    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override { SetProgress(progress_ + by); }
    void ShowMessage(SessionMessage message) override { result_.message = message; }
    void CloseWindow() override {}
    void DataRead() override {}
    void CalibrationRead() override {}
    void ChipStatusRead() override {}
    void PortMended(const std::string& what) override { presenter_.PortMended(index_, what); }
    void StageStarted(WriteStage stage) override;
    void VerifyFailed(const VerifyReport& report) override;
    void VerifyNotRun(SessionMessage why) override;
    void Tell(const JobNote& note) override;

    size_t index_;
    std::string device_;
    BenchPresenter& presenter_;
    bool verifyAsked_;
    bool writes_;
    SessionState state_;
    PortChoice port_;
    PosixSerialPort serial_;
    HeldLine line_;
    TimerSchedule timers_;
    int hungUpDescriptor_ = -1;
    int progress_ = 0;
    std::optional<WriteStage> stage_;
    BenchResult result_;
    bool concluded_ = false;
    std::unique_ptr<SessionDriver> job_;
};

// Microseconds of the monotonic clock, the time every bench job and its loop keep.
int64_t BenchClockNow();

}  // namespace radioprog
