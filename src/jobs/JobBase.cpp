#include "jobs/JobBase.h"

namespace radioprog {

void JobBase::Call(void (SessionDriver::*call)()) {
    ((*inner_).*call)();
    if (started_ && !inner_->IsRunning()) {
        started_ = false;
        Ended();
    }
}

void JobBase::ProgramStartClick() {
    if (inner_->IsRunning()) {
        return;
    }
    started_ = true;
    Call(&SessionDriver::ProgramStartClick);
}

void JobBase::Timer_TxTimer() {
    Call(&SessionDriver::Timer_TxTimer);
}

void JobBase::Timer_RxTimer() {
    Call(&SessionDriver::Timer_RxTimer);
}

void JobBase::Timer_TimeOutTimer() {
    Call(&SessionDriver::Timer_TimeOutTimer);
}

void JobBase::FormClose() {
    Call(&SessionDriver::FormClose);
}

void JobBase::StartTimer(SessionTimer timer, int intervalMs) {
    front_.StartTimer(timer, intervalMs);
}

void JobBase::StopTimer(SessionTimer timer) {
    front_.StopTimer(timer);
}

void JobBase::Pause(int ms) {
    front_.Pause(ms);
}

void JobBase::SetProgress(int position) {
    front_.SetProgress(position);
}

void JobBase::AdvanceProgress(int by) {
    front_.AdvanceProgress(by);
}

void JobBase::ShowMessage(SessionMessage message) {
    front_.ShowMessage(message);
}

void JobBase::CloseWindow() {
    front_.CloseWindow();
}

void JobBase::DataRead() {
    front_.DataRead();
}

void JobBase::CalibrationRead() {
    front_.CalibrationRead();
}

void JobBase::ChipStatusRead() {
    front_.ChipStatusRead();
}

bool JobBase::KeepBackup(const BackupRead&) {
    return true;
}

void JobBase::StageStarted(WriteStage stage) {
    front_.StageStarted(stage);
}

void JobBase::VerifyFailed(const VerifyReport& report) {
    front_.VerifyFailed(report);
}

void JobBase::VerifyNotRun(SessionMessage why) {
    front_.VerifyNotRun(why);
}

}  // namespace radioprog
