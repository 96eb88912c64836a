#pragma once
// A write with a safety net: before it, the radio's current contents can be read into a
// private copy (a backup the caller keeps); after it, the written areas can be read back and
// held against what was sent. Each of these is a programming session of its own on the same
// port and host, one after the other; the host sees one job with one progress bar and one
// result: the success message only when everything, the read-back included, agreed.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "session/ProgramSession.h"
#include "session/SessionState.h"
#include "session/WriteVerification.h"

namespace radioprog {

struct CheckedWriteOptions {
    bool backupFirst = false;
    bool verifyAfter = false;
};

// A read taken before the write, of the data or of the calibration block.
struct BackupRead {
    bool calibration = false;
    RadioKind kind = RadioKind::S;
    const SessionState& radio;  // image/band or calibration filled from the radio
};

class CheckedWrite final : public SessionDriver, private SessionHost {
  public:
    enum class Stage { BackupCalibration, BackupData, Write, VerifyCalibration, VerifyData };

    // writeMode: kModeData, kModeCalibration, kModeCalibrationAndData or kModeNewPassword
    // (a password write has nothing to back up or verify and runs alone).
    CheckedWrite(SessionData data, SerialPort& port, SessionHost& host, int32_t writeMode,
                 CheckedWriteOptions options, ProgramSession::PortProbe probe = ProbePorts);
    ~CheckedWrite() override;

    // The date and time the write stamps into the radio.
    std::function<LastWriteTime()> WriteTime = LocalTimeNow;
    // Keeps a backup read; false stops the job before anything is written (the callee has
    // said why). Without it a backup read is taken and dropped.
    std::function<bool(const BackupRead&)> KeepBackup;
    // Shown instead of the success message when the read-back differs.
    std::function<void(const VerifyReport&)> ShowVerifyFailure;
    // Told as each session of the job begins, so a window can say what it is doing.
    std::function<void(Stage)> StageStarted;

    void ProgramStartClick() override;
    void Timer_TxTimer() override;
    void Timer_RxTimer() override;
    void Timer_TimeOutTimer() override;
    void FormClose() override;
    SessionOutcome Outcome() const override { return outcome_; }
    const PortResult& PortFailure() const override;

    const VerifyReport& Verify() const { return report_; }
    std::optional<RadioKind> RadioMet() const override { return kind_; }
    // The port number the job used (the one found by auto search).
    std::optional<int> PortNumber() const { return portNumber_; }
    // The port choice the job used, with the port map its stages found.
    const PortChoice& Port() const { return portChoice_; }
    // The bytes the write sent, once it has succeeded.
    const std::optional<SentData>& Sent() const { return sent_; }
    // The job's sessions, in order.
    const std::vector<Stage>& Stages() const { return stages_; }
    // Those bytes block after block, as the radio received them (empty before).
    std::vector<uint8_t> WrittenBytes() const;

  private:
    void StartStage();
    void Drive(void (ProgramSession::*call)());
    void AdvanceWhenStageEnded();
    // Takes what the stage that just succeeded produced; false when the job must stop.
    bool TakeStageResult();
    void Conclude();
    void EndWith(SessionOutcome outcome, SessionMessage message);
    SessionState ScratchForStage(Stage stage) const;
    std::vector<WrittenBlock> BlocksWritten() const;

    // SessionHost of the stages: timers go straight through, progress is scaled into the
    // stage's share of the bar, messages and the window's closing wait for the last stage.
    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override;
    void ShowMessage(SessionMessage message) override;
    void CloseWindow() override {}
    void RefreshMainWindow() override {}
    void RefreshCalibrationWindow() override {}

    SessionData data_;
    SerialPort& port_;
    SessionHost& host_;
    ProgramSession::PortProbe probe_;
    int32_t writeMode_;
    // The write's own port choice: after the first stage it is fixed to the port that
    // answered, so every stage talks to the same radio.
    PortChoice portChoice_;

    std::vector<Stage> stages_;
    size_t stageIndex_ = 0;
    int stageProgress_ = 0;
    std::unique_ptr<SessionState> scratch_;
    std::unique_ptr<ProgramSession> session_;
    SessionMessage stageMessage_ = SessionMessage::Success;

    SessionOutcome outcome_ = SessionOutcome::NotStarted;
    std::optional<RadioKind> kind_;
    std::optional<int> portNumber_;
    std::optional<SentData> sent_;
    std::optional<RadioMemory> calibrationReadBack_;
    std::optional<RadioMemory> dataReadBack_;
    VerifyReport report_;
};

}  // namespace radioprog
