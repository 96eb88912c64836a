#include "cli/StopSignals.h"

#include <poll.h>
#include <time.h>

namespace radioprog::cli {

namespace {

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

constexpr size_t kStopSignalCount = std::size(kStopSignals);

// A hang-up the tool was started to ignore (nohup) stays ignored: the job is meant to outlive
// its terminal. The others stop the job even when inherited as ignored, as a script's
// background job inherits SIGINT and SIGQUIT, so that a script can still stop it.
bool Ignored(int signal, const struct sigaction& inherited) {
    return signal == SIGHUP && inherited.sa_handler == SIG_IGN;
}

}  // namespace

StopSignalGuard::StopSignalGuard() {
    stopRequested = 0;
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigset_t handled;
    sigemptyset(&handled);
    for (size_t i = 0; i < kStopSignalCount; ++i) {
        sigaction(kStopSignals[i], nullptr, &old_[i]);
        if (!Ignored(kStopSignals[i], old_[i])) {
            sigaction(kStopSignals[i], &action, nullptr);
            sigaddset(&handled, kStopSignals[i]);
        }
    }
    sigprocmask(SIG_BLOCK, &handled, &oldMask_);
    waitMask_ = oldMask_;
    for (const int signal : kStopSignals) {
        if (sigismember(&handled, signal) == 1) {
            sigdelset(&waitMask_, signal);
        }
    }
}

StopSignalGuard::~StopSignalGuard() {
    sigprocmask(SIG_SETMASK, &oldMask_, nullptr);
    for (size_t i = 0; i < kStopSignalCount; ++i) {
        sigaction(kStopSignals[i], &old_[i], nullptr);
    }
}

bool StopSignalGuard::StopRequested() {
    return stopRequested != 0;
}

bool StopSignalGuard::Wait(int64_t us, int fd) const {
    timespec timeout{static_cast<time_t>(us / 1000000), static_cast<long>((us % 1000000) * 1000)};
    pollfd input{fd, POLLIN, 0};
    const int ready = ppoll(fd >= 0 ? &input : nullptr, fd >= 0 ? 1 : 0, &timeout, &waitMask_);
    if (ready > 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        // A line that hung up (cable pulled, radio gone) reports itself ready at once and
        // for ever: sleep out the time instead; the receive poll still runs on its tick
        // and the silence limit ends the job.
        return Wait(us, -1);
    }
    return ready > 0 && (input.revents & POLLIN) != 0;
}

}  // namespace radioprog::cli
