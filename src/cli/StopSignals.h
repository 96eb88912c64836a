#pragma once
// The signals that stop a radio job from outside (Ctrl-C, kill, the terminal closing,
// Ctrl-\), taken only while the job's loop waits, so a stop is seen between two timer
// handlers and never inside one. Each one stops the job the same way, so every line, its lock
// file and its exclusive flag are released whatever ended the job.

#include <signal.h>

#include <array>
#include <cstdint>

namespace radioprog::cli {

inline constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

class StopSignalGuard {
  public:
    // Holds the stop signals back from now on and clears any earlier request.
    StopSignalGuard();
    ~StopSignalGuard();
    StopSignalGuard(const StopSignalGuard&) = delete;
    StopSignalGuard& operator=(const StopSignalGuard&) = delete;

    // Whether a stop signal has arrived.
    static bool StopRequested();
    // The mask to wait with (ppoll): the stop signals let through.
    const sigset_t& WaitMask() const { return waitMask_; }
    // Sleeps for us microseconds or until fd (when not -1) has input; true for input.
    bool Wait(int64_t us, int fd) const;

  private:
    std::array<struct sigaction, std::size(kStopSignals)> old_{};
    sigset_t oldMask_{};
    sigset_t waitMask_{};
};

}  // namespace radioprog::cli
