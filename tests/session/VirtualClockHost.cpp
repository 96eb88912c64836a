#include "VirtualClockHost.h"

#include <algorithm>

namespace radioprog::testing {

void VirtualClockHost::StartTimer(SessionTimer timer, int intervalMs) {
    timers_.Start(timer, now_, intervalMs);
}

void VirtualClockHost::StopTimer(SessionTimer timer) {
    timers_.Stop(timer);
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
    return timers_.AnyRunning();
}

std::optional<SessionTimer> VirtualClockHost::NextDue(int64_t untilMs) const {
    const std::optional<SessionTimer> next = timers_.Next();
    if (next && timers_.DueTime(*next) > untilMs) {
        return std::nullopt;
    }
    return next;
}

void VirtualClockHost::Fire(SessionTimer timer) {
    now_ = timers_.Fire(timer, now_);
    RunTimerHandler(*session_, timer);
}

void VirtualClockHost::RunUntilEnded(int64_t untilMs) {
    while (session_->IsRunning()) {
        const std::optional<SessionTimer> next = NextDue(untilMs);
        if (!next) {
            now_ = std::max(now_, untilMs);
            return;
        }
        Fire(*next);
    }
}

void VirtualClockHost::RunUntil(int64_t untilMs) {
    for (auto next = NextDue(untilMs); next; next = NextDue(untilMs)) {
        Fire(*next);
    }
    now_ = std::max(now_, untilMs);
}

}  // namespace radioprog::testing
