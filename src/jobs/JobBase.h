#pragma once
// What every job shares: it drives the session (or sessions) it is made of for the front end's
// host, passes on everything the front end shows, and learns once when it has ended.

#include <memory>

#include "jobs/JobHost.h"
#include "session/CheckedWriteHost.h"
#include "session/SessionDriver.h"

namespace radioprog {

class JobBase : public SessionDriver, protected CheckedWriteHost {
  public:
    void ProgramStartClick() override;
    void Timer_TxTimer() override;
    void Timer_RxTimer() override;
    void Timer_TimeOutTimer() override;
    void FormClose() override;

    SessionOutcome Outcome() const override { return inner_->Outcome(); }
    const PortResult& PortFailure() const override { return inner_->PortFailure(); }
    std::optional<RadioKind> RadioMet() const override { return inner_->RadioMet(); }
    bool RadioAnswered() const override { return inner_->RadioAnswered(); }

  protected:
    explicit JobBase(JobHost& front) : front_(front) {}
    // The driver the job runs; set once, by the job's constructor.
    void Drive(std::unique_ptr<SessionDriver> inner) { inner_ = std::move(inner); }
    // Runs once for every start, when the driver has stopped running, however it ended.
    virtual void Ended() {}

    // The sessions' host: everything goes on to the front end; a job overrides what it keeps.
    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override;
    void ShowMessage(SessionMessage message) override;
    void PortMended(const std::string& what) override { front_.PortMended(what); }
    void CloseWindow() override;
    void DataRead() override;
    void CalibrationRead() override;
    void ChipStatusRead() override;
    bool KeepBackup(const BackupRead& backup) override;
    void StageStarted(WriteStage stage) override;
    void VerifyFailed(const VerifyReport& report) override;
    void VerifyNotRun(SessionMessage why) override;

    JobHost& front_;

  private:
    void Call(void (SessionDriver::*call)());

    std::unique_ptr<SessionDriver> inner_;
    bool started_ = false;
};

}  // namespace radioprog
