#pragma once
// The session's three timers as every host keeps them, whatever its clock: each runs on its
// own interval; the one due first fires next, and timers due at the same moment fire in the
// order they were started; a timer that fires late fires once and is next due one interval
// after it fired, without catching up, as window timers behave. The host owns the clock and
// says what time it is, in whatever unit it counts (intervals in the same unit).

#include <array>
#include <cstdint>
#include <optional>

#include "session/SessionDriver.h"
#include "session/SessionHost.h"

namespace radioprog {

class TimerSchedule {
  public:
    // (Re)starts timer: due one interval after now, then every interval until stopped.
    void Start(SessionTimer timer, int64_t now, int64_t interval);
    void Stop(SessionTimer timer);
    bool IsRunning(SessionTimer timer) const;
    bool AnyRunning() const;

    // The running timer that fires next; none when no timer runs.
    std::optional<SessionTimer> Next() const;
    int64_t DueTime(SessionTimer timer) const;
    int64_t Interval(SessionTimer timer) const;

    // The timer fires: at its due time, or at now when that is later. It is next due one
    // interval after the firing, whose time is returned.
    int64_t Fire(SessionTimer timer, int64_t now);
    // Moves the timer's next firing to at; its interval stays.
    void MoveDueTime(SessionTimer timer, int64_t at);

  private:
    struct Timer {
        bool running = false;
        int64_t interval = 0;
        int64_t due = 0;
        uint64_t startOrder = 0;
    };
    Timer& At(SessionTimer timer) { return timers_[static_cast<size_t>(timer)]; }
    const Timer& At(SessionTimer timer) const { return timers_[static_cast<size_t>(timer)]; }

    std::array<Timer, 3> timers_{};
    uint64_t starts_ = 0;
};

// Runs the session's handler of timer.
void RunTimerHandler(SessionDriver& session, SessionTimer timer);

}  // namespace radioprog
