#include "session/TimerSchedule.h"

#include <algorithm>

namespace radioprog {

namespace {

constexpr SessionTimer kTimers[] = {SessionTimer::Tx, SessionTimer::Rx, SessionTimer::TimeOut};

}  // namespace

void TimerSchedule::Start(SessionTimer timer, int64_t now, int64_t interval) {
    At(timer) = {true, interval, now + interval, ++starts_};
}

void TimerSchedule::Stop(SessionTimer timer) {
    At(timer).running = false;
}

bool TimerSchedule::IsRunning(SessionTimer timer) const {
    return At(timer).running;
}

bool TimerSchedule::AnyRunning() const {
    return std::any_of(timers_.begin(), timers_.end(), [](const Timer& t) { return t.running; });
}

std::optional<SessionTimer> TimerSchedule::Next() const {
    std::optional<SessionTimer> next;
    for (const SessionTimer timer : kTimers) {
        const Timer& t = At(timer);
        if (!t.running) {
            continue;
        }
        if (!next || t.due < At(*next).due ||
            (t.due == At(*next).due && t.startOrder < At(*next).startOrder)) {
            next = timer;
        }
    }
    return next;
}

int64_t TimerSchedule::DueTime(SessionTimer timer) const {
    return At(timer).due;
}

int64_t TimerSchedule::Interval(SessionTimer timer) const {
    return At(timer).interval;
}

int64_t TimerSchedule::Fire(SessionTimer timer, int64_t now) {
    Timer& t = At(timer);
    const int64_t firing = std::max(now, t.due);
    t.due = firing + t.interval;
    return firing;
}

void TimerSchedule::MoveDueTime(SessionTimer timer, int64_t at) {
    At(timer).due = at;
}

void RunTimerHandler(SessionDriver& session, SessionTimer timer) {
    switch (timer) {
        case SessionTimer::Tx:
            session.Timer_TxTimer();
            break;
        case SessionTimer::Rx:
            session.Timer_RxTimer();
            break;
        case SessionTimer::TimeOut:
            session.Timer_TimeOutTimer();
            break;
    }
}

}  // namespace radioprog
