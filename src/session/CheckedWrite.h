#pragma once
// A write with a safety net: before it, the radio's current contents can be read into a
// private copy (a backup the caller keeps); after it, the written areas can be read back and
// held against what was sent. Each of these is a programming session of its own on the same
// port and host, one after the other; the host sees one job with one progress bar and one
// result: the success message only when everything, the read-back included, agreed.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "session/CheckedWriteHost.h"
#include "session/ProgramSession.h"

namespace radioprog {

struct CheckedWriteOptions {
    bool backupFirst = false;
    bool verifyAfter = false;
};

class CheckedWrite final : public SessionDriver, private SessionHost {
  public:
    using Stage = WriteStage;

    // writeMode: Data, Calibration, CalibrationAndData or NewPassword (a password write has
    // nothing to back up or verify and runs alone). The write sends state on the port choice
    // names; the backup and the read-back read into copies of their own.
    CheckedWrite(SessionState& state, PortChoice& choice, SerialPort& port, CheckedWriteHost& host,
                 SessionMode writeMode, CheckedWriteOptions options,
                 ProgramSession::PortProbe probe = ProbePorts);
    ~CheckedWrite() override;

    // The date and time the write stamps into the radio.
    std::function<LastWriteTime()> WriteTime = LocalTimeNow;

    void ProgramStartClick() override;
    void Timer_TxTimer() override;
    void Timer_RxTimer() override;
    void Timer_TimeOutTimer() override;
    void FormClose() override;
    SessionOutcome Outcome() const override { return outcome_; }
    const PortResult& PortFailure() const override;
    SessionMode WriteMode() const { return writeMode_; }

    const VerifyReport& Verify() const { return report_; }
    std::optional<RadioKind> RadioMet() const override { return kind_; }
    // The kind is learnt when a stage ends; the stage under way may have met the radio already.
    bool RadioAnswered() const override {
        return kind_.has_value() || (session_ && session_->RadioAnswered());
    }
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
    void KeepPasswordAreaReadBack();
    static bool IsReadBack(Stage stage);
    void EndUnverified();
    void EndWith(SessionOutcome outcome, SessionMessage message);
    SessionState ScratchForStage(Stage stage) const;

    // SessionHost of the stages: timers go straight through, progress is scaled into the
    // stage's share of the bar, messages and the window's closing wait for the last stage.
    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override;
    void ShowMessage(SessionMessage message) override;
    void CloseWindow() override {}
    void PortMended(const std::string& what) override { host_.PortMended(what); }
    // The backup and the read-back fill private copies: nothing to tell.
    void DataRead() override {}
    void CalibrationRead() override {}
    void ChipStatusRead() override {}

    SessionState& data_;
    // The caller's port choice: it learns the port map the stages found, as it would from a
    // plain session, so that a failure can name the device behind a port number.
    PortChoice& choice_;
    SerialPort& port_;
    CheckedWriteHost& host_;
    ProgramSession::PortProbe probe_;
    SessionMode writeMode_;
    // The write's own port choice: after the first stage it is fixed to the port that
    // answered, so every stage talks to the same radio.
    PortChoice portChoice_;

    std::vector<Stage> stages_;
    size_t stageIndex_ = 0;
    int stageProgress_ = 0;
    std::unique_ptr<SessionState> scratch_;  // what a backup or read-back stage fills
    std::unique_ptr<ProgramSession> session_;
    SessionMessage stageMessage_ = SessionMessage::Success;

    SessionOutcome outcome_ = SessionOutcome::NotStarted;
    std::optional<RadioKind> kind_;
    std::optional<int> portNumber_;
    std::optional<SentData> sent_;
    // The blocks the write stage's plan sent, as the session walked it.
    std::vector<WrittenBlock> writtenBlocks_;
    std::optional<RadioMemory> calibrationReadBack_;
    std::optional<RadioMemory> dataReadBack_;
    // The password area as the data read-back found it before its job blocks overwrote it.
    using PasswordArea = std::array<uint8_t, radiomap::kPasswordAreaSize>;
    std::optional<PasswordArea> passwordAreaReadBack_;
    VerifyReport report_;
};

}  // namespace radioprog
