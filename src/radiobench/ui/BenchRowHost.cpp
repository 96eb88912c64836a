#include "radiobench/ui/BenchRowHost.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "gui/SessionTimers.h"
#include "session/ProgramSession.h"

namespace radioprog::ui {

namespace {

// The row's map stands: the cable is the row's, and probing the other ports would only
// disturb the other rows' jobs.
void KeepThePortMap(PortChoice&) {}

}  // namespace

BenchRowHost::BenchRowHost(const BenchCable& cable, const PortChoice& appPort, QObject* parent)
    : QObject(parent) {
    choice_.autoSearchPort = false;
    choice_.portNumber = cable.portNumber;
    choice_.map.Assign(cable.portNumber, cable.device);
    choice_.lockFolder = appPort.lockFolder;
    Timer_Tx = MakeTimer("Timer_Tx", &SessionDriver::Timer_TxTimer);
    Timer_Rx = MakeTimer("Timer_Rx", &SessionDriver::Timer_RxTimer);
    Timer_TimeOut = MakeTimer("Timer_TimeOut", &SessionDriver::Timer_TimeOutTimer);
}

BenchRowHost::~BenchRowHost() {
    Stop();
}

QTimer* BenchRowHost::MakeTimer(const char* name, void (SessionDriver::*handler)()) {
    return MakeSessionTimer(this, name, [this, handler] { Drive(handler); });
}

QTimer* BenchRowHost::TimerOf(SessionTimer timer) const {
    return SessionTimerOf(timer, Timer_Tx, Timer_Rx, Timer_TimeOut);
}

void BenchRowHost::StartWrite(const SessionState& project, const JobOrder& order,
                              const HistorySettings& history) {
    state_ = project;
    Begin(MakeJob(order, {state_, choice_, port_, *this, history, KeepThePortMap}));
}

void BenchRowHost::StartCheck(const SessionState& project) {
    state_ = project;
    SessionHost& host = *this;
    auto check = std::make_unique<ProgramSession>(state_, choice_, port_, host, KeepThePortMap);
    check->SessionMode = SessionMode::Data;
    check->ReadRequested = true;
    Begin(std::move(check));
}

void BenchRowHost::Begin(std::unique_ptr<SessionDriver> job) {
    Stop();
    ++generation_;
    message_.reset();
    verify_.reset();
    notes_.clear();
    SetProgress(0);
    job_ = std::move(job);
    Drive(&SessionDriver::ProgramStartClick);
}

void BenchRowHost::Drive(void (SessionDriver::*entry)()) {
    if (!job_) {
        return;
    }
    const bool wasRunning = job_->IsRunning() || entry == &SessionDriver::ProgramStartClick;
    const unsigned generation = generation_;
    ((*job_).*entry)();
    // Stopped meanwhile (inside a pause): Stop has already dealt with the end.
    if (wasRunning && !job_->IsRunning() && generation == generation_) {
        for (QTimer* timer : {Timer_Tx, Timer_Rx, Timer_TimeOut}) {
            timer->stop();
        }
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_) {
                emit jobEnded();
            }
        });
    }
}

void BenchRowHost::Stop() {
    if (job_ && job_->IsRunning()) {
        job_->FormClose();
    }
    // An end already on its way belongs to the job stopped here.
    ++generation_;
    for (QTimer* timer : {Timer_Tx, Timer_Rx, Timer_TimeOut}) {
        timer->stop();
    }
}

void BenchRowHost::StartTimer(SessionTimer timer, int intervalMs) {
    // A job stopped inside its pause still goes on to start its timers as it returns.
    if (!Running()) {
        return;
    }
    TimerOf(timer)->start(intervalMs);
}

void BenchRowHost::StopTimer(SessionTimer timer) {
    TimerOf(timer)->stop();
}

void BenchRowHost::Pause(int ms) {
    pausing_ = true;
    QEventLoop pause;
    QTimer::singleShot(ms, Qt::PreciseTimer, &pause, &QEventLoop::quit);
    // Clicks and keys wait until the pause is over, so nothing the user does can pull the
    // job out from under it; the other rows' timers run on.
    pause.exec(QEventLoop::ExcludeUserInputEvents);
    pausing_ = false;
}

void BenchRowHost::SetProgress(int position) {
    progress_ = std::clamp(position, 0, 100);
    emit progressChanged(progress_);
}

void BenchRowHost::AdvanceProgress(int by) {
    SetProgress(progress_ + by);
}

}  // namespace radioprog::ui
