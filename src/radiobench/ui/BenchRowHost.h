#pragma once
// The host of one cable's jobs on the bench: its own port, port choice and copy of the project,
// the three session timers on the one event loop, and a progress value. It never shows a box:
// what a job has to say is kept for the row to show, and the row learns when a job has ended.

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "jobs/JobHost.h"
#include "jobs/RadioJobs.h"
#include "port/PosixSerialPort.h"
#include "radiobench/BenchCables.h"

class QTimer;

namespace radioprog::ui {

class BenchRowHost final : public QObject, public JobHost {
    Q_OBJECT
  public:
    BenchRowHost(const BenchCable& cable, const PortChoice& appPort, QObject* parent);
    // A host destroyed while its job runs must not leave the port open.
    ~BenchRowHost() override;

    // The write of project with the safety net order asks for, kept and logged as every write.
    void StartWrite(const SessionState& project, const JobOrder& order,
                    const HistorySettings& history);
    // A check for a radio: a plain read into a scratch copy that nothing keeps (the project's
    // password unlocks a protected radio).
    void StartCheck(const SessionState& project);
    // Stops the running job at once, with no message, and releases the port.
    void Stop();

    bool Running() const { return job_ && job_->IsRunning(); }
    // Inside a settling pause, with the rest of the window running on.
    bool Pausing() const { return pausing_; }
    bool RadioAnswered() const { return job_ && job_->RadioAnswered(); }
    SessionOutcome Outcome() const { return job_ ? job_->Outcome() : SessionOutcome::NotStarted; }
    std::optional<RadioKind> RadioMet() const { return job_ ? job_->RadioMet() : std::nullopt; }
    const PortChoice& Port() const { return choice_; }

    // What the last job said beyond its outcome, for the row to show.
    std::optional<SessionMessage> Message() const { return message_; }
    const std::optional<VerifyReport>& VerifyDifference() const { return verify_; }
    const std::vector<JobNote>& Notes() const { return notes_; }

    // JobHost
    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    // The settling pause after a port opens: the other rows run on meanwhile (this row's own
    // timers are stopped). Rows that start together pause side by side, in nested loops that
    // end together; one that starts later may hold the earlier ones until its own pause ends,
    // which only lets their ports settle a little longer.
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override;
    void ShowMessage(SessionMessage message) override { message_ = message; }
    void CloseWindow() override {}
    void DataRead() override {}
    void CalibrationRead() override {}
    void ChipStatusRead() override {}
    void StageStarted(WriteStage stage) override { emit stageStarted(stage); }
    void VerifyFailed(const VerifyReport& report) override { verify_ = report; }
    void VerifyNotRun(SessionMessage why) override { message_ = why; }
    void Tell(const JobNote& note) override { notes_.push_back(note); }

  signals:
    void progressChanged(int position);
    void stageStarted(radioprog::WriteStage stage);
    // After the job's own call has returned, so the row may start the next one at once.
    void jobEnded();

  private:
    void Begin(std::unique_ptr<SessionDriver> job);
    void Drive(void (SessionDriver::*entry)());
    QTimer* MakeTimer(const char* name, void (SessionDriver::*handler)());
    QTimer* TimerOf(SessionTimer timer) const;

    PosixSerialPort port_;
    PortChoice choice_;
    bool pausing_ = false;
    // What the running job sends and fills; a fresh copy of the project for every job.
    SessionState state_;
    QTimer* Timer_Tx = nullptr;
    QTimer* Timer_Rx = nullptr;
    QTimer* Timer_TimeOut = nullptr;
    std::unique_ptr<SessionDriver> job_;
    // Tells an end reported late from the end of a job started since.
    unsigned generation_ = 0;
    int progress_ = 0;
    std::optional<SessionMessage> message_;
    std::optional<VerifyReport> verify_;
    std::vector<JobNote> notes_;
};

}  // namespace radioprog::ui
