#include "multijob/BenchJob.h"

#include <time.h>

#include <algorithm>

namespace radioprog {

namespace {

bool WriteGotToItsEnd(SessionOutcome outcome) {
    return outcome == SessionOutcome::Success || outcome == SessionOutcome::VerifyFailed ||
           outcome == SessionOutcome::WrittenUnverified;
}

PortChoice PinnedTo(PortChoice choice, const std::string& device) {
    choice.source.explicitPorts = {{kFirstPortNumber, device}};
    // Another job's device is never this job's to try.
    choice.source.scanDevices = [] { return std::vector<std::string>{}; };
    choice.portNumber = kFirstPortNumber;
    choice.autoSearchPort = false;
    return choice;
}

// A bench job's port is fixed and opened by the session itself: trying it beforehand, as the
// search over every port does, would only open it once more. Each opening asks the system
// which other process holds the line, and on the bench's one thread that time is every
// radio's.
void MapOnly(PortChoice& choice) {
    choice.map = choice.source.Build();
    choice.portList.Clear();
    choice.portList.Append(choice.portNumber);
}

}  // namespace

int64_t BenchClockNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

BenchJob::BenchJob(size_t index, const JobOrder& order, const SessionState& state,
                   const PortChoice& port, std::string device, const HistorySettings& history,
                   BenchPresenter& presenter)
    : index_(index),
      device_(std::move(device)),
      presenter_(presenter),
      verifyAsked_(!order.read && order.checks.verifyAfter && IsSafeWrite(order)),
      writes_(!order.read),
      state_(state),
      port_(PinnedTo(port, device_)),
      serial_(port_.lockFolder),
      line_(serial_) {
    JobHost& host = *this;
    job_ = MakeJob(order, {state_, port_, line_, host, history, MapOnly});
}

BenchJob::~BenchJob() {
    if (job_ && job_->IsRunning()) {
        job_->FormClose();
    }
}

void BenchJob::Start() {
    concluded_ = false;
    result_ = {};
    stage_.reset();
    job_->ProgramStartClick();
    Conclude();
}

bool BenchJob::IsRunning() const {
    return job_->IsRunning();
}

std::optional<int64_t> BenchJob::NextDue() const {
    const std::optional<SessionTimer> next = timers_.Next();
    if (!IsRunning() || !next) {
        return std::nullopt;
    }
    // What the job did during its pause goes out when the pause ends, not at its next tick.
    return line_.IsHeld() ? line_.HeldUntil() : timers_.DueTime(*next);
}

void BenchJob::RunDue(int64_t now) {
    if (!IsRunning()) {
        return;
    }
    if (line_.IsHeld()) {
        if (line_.HeldUntil() > now) {
            return;
        }
        line_.Release();
    }
    const std::optional<SessionTimer> next = timers_.Next();
    if (!next || timers_.DueTime(*next) > now) {
        return;
    }
    timers_.Fire(*next, now);
    RunTimerHandler(*job_, *next);
    Conclude();
}

int BenchJob::InputDescriptor() const {
    const int fd = serial_.Descriptor();
    if (!IsRunning() || line_.IsHeld() || !timers_.IsRunning(SessionTimer::Rx) ||
        fd == hungUpDescriptor_) {
        return -1;
    }
    return fd;
}

void BenchJob::InputArrived(int64_t now) {
    if (timers_.IsRunning(SessionTimer::Rx)) {
        timers_.MoveDueTime(SessionTimer::Rx, now);
    }
}

void BenchJob::LineHungUp() {
    hungUpDescriptor_ = serial_.Descriptor();
}

void BenchJob::Stop() {
    if (IsRunning()) {
        job_->FormClose();
        Conclude();
    }
}

void BenchJob::Conclude() {
    if (concluded_ || IsRunning()) {
        return;
    }
    concluded_ = true;
    result_.outcome = job_->Outcome();
    result_.radio = job_->RadioMet();
    result_.portFailure = job_->PortFailure();
    if (verifyAsked_ && result_.verify == BenchVerify::NotAsked) {
        result_.verify = BenchVerify::NotReached;
    }
    const bool inWrite = stage_ == WriteStage::Write;
    result_.written =
        writes_ && ((stage_ && *stage_ > WriteStage::Write) || WriteGotToItsEnd(result_.outcome));
    result_.leftHalfWritten =
        inWrite && job_->RadioAnswered() && !WriteGotToItsEnd(result_.outcome);
    if (verifyAsked_ && result_.outcome == SessionOutcome::Success) {
        result_.verify = BenchVerify::Agreed;
    }
    presenter_.Finished(index_);
}

void BenchJob::StartTimer(SessionTimer timer, int intervalMs) {
    // A timer started during a pause counts from its end, as it would after a sleep.
    const int64_t now = BenchClockNow();
    const int64_t from = line_.IsHeld() ? std::max(now, line_.HeldUntil()) : now;
    timers_.Start(timer, from, intervalMs * int64_t{1000});
}

void BenchJob::StopTimer(SessionTimer timer) {
    timers_.Stop(timer);
}

void BenchJob::Pause(int ms) {
    const int64_t now = BenchClockNow();
    const int64_t from = line_.IsHeld() ? std::max(now, line_.HeldUntil()) : now;
    line_.HoldUntil(from + ms * int64_t{1000});
}

void BenchJob::SetProgress(int position) {
    progress_ = std::clamp(position, 0, 100);
    presenter_.Progress(index_, progress_);
}

void BenchJob::StageStarted(WriteStage stage) {
    stage_ = stage;
    presenter_.StageStarted(index_, stage);
}

void BenchJob::VerifyFailed(const VerifyReport& report) {
    result_.verify = BenchVerify::Differs;
    presenter_.VerifyFailed(index_, report);
}

void BenchJob::VerifyNotRun(SessionMessage why) {
    result_.verify = BenchVerify::CouldNotRun;
    result_.message = why;
    presenter_.VerifyNotRun(index_, why);
}

void BenchJob::Tell(const JobNote& note) {
    if (note.kind == JobNoteKind::BackupKept) {
        result_.backups.push_back(note.detail);
    } else if (note.kind == JobNoteKind::BackupNotKept) {
        result_.backupRefused = true;
    }
    presenter_.Told(index_, note);
}

}  // namespace radioprog
