#pragma once
// A SessionHost on virtual time: the three timers fire in order of their due time as the
// test advances the clock, a pause moves the clock without firing anything (the session's
// thread is blocked), and messages, progress and redraws are recorded.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "jobs/JobHost.h"
#include "session/CheckedWriteHost.h"
#include "session/ProgramSession.h"
#include "session/TimerSchedule.h"

namespace radioprog::testing {

struct ShownMessage {
    SessionMessage message;
    int64_t timeMs;
};

// Also the host of a checked write and of a job: the hooks below record or answer.
class VirtualClockHost : public CheckedWriteHost, public JobHost {
  public:
    int64_t Now() const { return now_; }
    void Attach(SessionDriver& session) { session_ = &session; }

    // Fires timers in due order until the session has ended or the clock would pass
    // untilMs; the clock then stands at the last firing (or at untilMs).
    void RunUntilEnded(int64_t untilMs);
    // Fires every timer due up to untilMs, even after the session ended.
    void RunUntil(int64_t untilMs);
    bool AnyTimerRunning() const;

    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override { now_ += ms; }
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override;
    void ShowMessage(SessionMessage message) override;
    void CloseWindow() override { ++closeCount; }
    void DataRead() override { ++mainRefreshCount; }
    void CalibrationRead() override { ++calibrationRefreshCount; }
    void ChipStatusRead() override { ++calibrationRefreshCount; }
    bool KeepBackup(const BackupRead& backup) override { return !keepBackup || keepBackup(backup); }
    void StageStarted(WriteStage stage) override { stages.push_back(stage); }
    void VerifyFailed(const VerifyReport& report) override { failedReports.push_back(report); }
    void VerifyNotRun(SessionMessage why) override { unverified.push_back(why); }
    void Tell(const JobNote& note) override { notes.push_back(note); }
    void PortMended(const std::string& what) override { portMended.push_back(what); }

    int progress = 0;
    int maxProgress = 0;
    // Every position the bar took, in order.
    std::vector<int> progressTrace;
    std::vector<ShownMessage> messages;
    int closeCount = 0;
    int mainRefreshCount = 0;
    int calibrationRefreshCount = 0;
    std::function<bool(const BackupRead&)> keepBackup;
    std::vector<WriteStage> stages;
    std::vector<VerifyReport> failedReports;
    std::vector<SessionMessage> unverified;
    std::vector<JobNote> notes;
    std::vector<std::string> portMended;
    // Runs while the message is "open", before the session goes on.
    std::function<void(SessionMessage)> onMessage;

  private:
    // The timer that fires next, or none when none is due by untilMs.
    std::optional<SessionTimer> NextDue(int64_t untilMs) const;
    void Fire(SessionTimer timer);

    SessionDriver* session_ = nullptr;
    int64_t now_ = 0;
    TimerSchedule timers_;
};

}  // namespace radioprog::testing
