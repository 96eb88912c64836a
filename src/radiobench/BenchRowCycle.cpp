#include "radiobench/BenchRowCycle.h"

namespace radioprog {

CheckAnswer AnswerOfCheck(SessionOutcome outcome, bool radioAnswered) {
    if (!radioAnswered) {
        return CheckAnswer::NoRadio;
    }
    // A locked or too old radio has answered all the same: its write says what is wrong.
    return outcome == SessionOutcome::CommunicationFalse || outcome == SessionOutcome::Closed
               ? CheckAnswer::BrokenOff
               : CheckAnswer::Radio;
}

BenchAction BenchRowCycle::Start(int64_t nowMs) {
    static_cast<void>(nowMs);
    if (JobRunning()) {
        return BenchAction::None;
    }
    due_.reset();
    if (automatic_) {
        phase_ = BenchPhase::WaitingForRadio;
        return Run(BenchAction::Check);
    }
    return Run(BenchAction::Write);
}

void BenchRowCycle::Stop(bool writeReachedRadio) {
    if (WriteRunning() && writeReachedRadio) {
        CountResult(false);
    }
    running_ = BenchAction::None;
    phase_ = BenchPhase::Idle;
    due_.reset();
}

BenchAction BenchRowCycle::Run(BenchAction action) {
    running_ = action;
    if (action == BenchAction::Write) {
        // The stages name themselves as they begin; until then the write is under way.
        phase_ = BenchPhase::Writing;
        result_ = BenchResult::None;
    }
    return action;
}

void BenchRowCycle::StageStarted(WriteStage stage) {
    if (!WriteRunning()) {
        return;
    }
    switch (stage) {
        case WriteStage::BackupCalibration:
        case WriteStage::BackupData:
            phase_ = BenchPhase::Backup;
            break;
        case WriteStage::Write:
            phase_ = BenchPhase::Writing;
            break;
        case WriteStage::VerifyCalibration:
        case WriteStage::VerifyData:
            phase_ = BenchPhase::ReadBack;
            break;
    }
}

void BenchRowCycle::CountResult(bool succeeded) {
    result_ = succeeded ? BenchResult::Succeeded : BenchResult::Failed;
    ++(succeeded ? totals_.done : totals_.failed);
}

void BenchRowCycle::CheckLater(int64_t nowMs) {
    due_ = nowMs + kBenchCheckIntervalMs;
}

BenchAction BenchRowCycle::WriteEnded(bool succeeded, int64_t nowMs) {
    if (!WriteRunning()) {
        return BenchAction::None;  // stopped meanwhile: Stop has counted it
    }
    running_ = BenchAction::None;
    CountResult(succeeded);
    if (automatic_) {
        // The radio stays on the cable a while after its write: it must not be written twice.
        phase_ = BenchPhase::WaitingForRemoval;
        CheckLater(nowMs);
    } else {
        phase_ = BenchPhase::ResultShown;
    }
    return BenchAction::None;
}

BenchAction BenchRowCycle::CheckEnded(CheckAnswer answer, int64_t nowMs) {
    if (running_ != BenchAction::Check) {
        return BenchAction::None;
    }
    running_ = BenchAction::None;
    if (phase_ == BenchPhase::WaitingForRadio && answer == CheckAnswer::Radio) {
        return Run(BenchAction::Write);
    }
    // A radio half plugged in is checked again; one half taken off is still there.
    if (phase_ == BenchPhase::WaitingForRemoval && answer == CheckAnswer::NoRadio) {
        phase_ = BenchPhase::WaitingForRadio;
    }
    CheckLater(nowMs);
    return BenchAction::None;
}

BenchAction BenchRowCycle::Tick(int64_t nowMs) {
    if (JobRunning() || !due_ || nowMs < *due_) {
        return BenchAction::None;
    }
    due_.reset();
    return Run(BenchAction::Check);
}

}  // namespace radioprog
