#include "VirtualClockHost.h"

#include <algorithm>

namespace radioprog::testing {

void VirtualClockHost::StartTimer(SessionTimer timer, int intervalMs) {
    Timer& t = timers_[static_cast<size_t>(timer)];
    t.enabled = true;
    t.interval = intervalMs;
    t.due = now_ + intervalMs;
    t.startOrder = ++starts_;
}

void VirtualClockHost::StopTimer(SessionTimer timer) {
    timers_[static_cast<size_t>(timer)].enabled = false;
}

void VirtualClockHost::SetProgress(int position) {
    progress = std::clamp(position, 0, 100);
    maxProgress = std::max(maxProgress, progress);
    progressTrace.push_back(progress);
}

void VirtualClockHost::AdvanceProgress(int by) {
    SetProgress(progress + by);
}

void VirtualClockHost::ShowMessage(SessionMessage message) {
    messages.push_back({message, now_});
    if (onMessage) {
        onMessage(message);
    }
}

bool VirtualClockHost::AnyTimerRunning() const {
    return std::any_of(timers_.begin(), timers_.end(), [](const Timer& t) { return t.enabled; });
}

int VirtualClockHost::NextDue(int64_t untilMs) const {
    int best = -1;
    for (int i = 0; i < 3; ++i) {
        const Timer& t = timers_[static_cast<size_t>(i)];
        if (!t.enabled || t.due > untilMs) {
            continue;
        }
        if (best < 0) {
            best = i;
            continue;
        }
        const Timer& b = timers_[static_cast<size_t>(best)];
        // Equal due times fire in the order the timers were started.
        if (t.due < b.due || (t.due == b.due && t.startOrder < b.startOrder)) {
            best = i;
        }
    }
    return best;
}

void VirtualClockHost::Fire(int index) {
    Timer& t = timers_[static_cast<size_t>(index)];
    now_ = std::max(now_, t.due);
    t.due = now_ + t.interval;
    switch (static_cast<SessionTimer>(index)) {
        case SessionTimer::Tx:
            session_->Timer_TxTimer();
            break;
        case SessionTimer::Rx:
            session_->Timer_RxTimer();
            break;
        case SessionTimer::TimeOut:
            session_->Timer_TimeOutTimer();
            break;
    }
}

void VirtualClockHost::RunUntilEnded(int64_t untilMs) {
    while (session_->IsRunning()) {
        const int next = NextDue(untilMs);
        if (next < 0) {
            now_ = std::max(now_, untilMs);
            return;
        }
        Fire(next);
    }
}

void VirtualClockHost::RunUntil(int64_t untilMs) {
    for (int next = NextDue(untilMs); next >= 0; next = NextDue(untilMs)) {
        Fire(next);
    }
    now_ = std::max(now_, untilMs);
}

}  // namespace radioprog::testing
