#pragma once
// Runs the jobs of a bench at once on one thread: one poll(2) over every line that waits
// for input, with the earliest timer of all jobs as its limit. Each job fires only its own
// timers and reads only its own line, so a job that fails, hangs up or waits for a silent
// radio costs the others nothing.

#include <signal.h>

#include <functional>
#include <span>

#include "multijob/BenchJob.h"

namespace radioprog {

// Starts every job and runs them until each has ended. stopRequested is asked before every
// wait; once it says yes, every job still running is stopped (its port and lock released)
// and the loop returns true. waitMask, when given, is the signal mask while waiting
// (ppoll(2)), so that a stop signal held back elsewhere is taken only then.
bool RunBench(std::span<BenchJob* const> jobs, const std::function<bool()>& stopRequested,
              const sigset_t* waitMask = nullptr);

}  // namespace radioprog
