#include "multijob/BenchLoop.h"

#include <poll.h>
#include <time.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace radioprog {

namespace {

// Every job polls its line on a tick of a few milliseconds; their ticks, started at different
// moments, would wake the loop once for each job. Waiting up to this much past the earliest
// one lets a single wake-up serve the ticks of many jobs, so the loop's wake-ups stay about
// the same however many radios run. A timer of a window fires as late as this too; a reply
// never waits for it, since input wakes its job at once.
constexpr int64_t kTimerSlackUs = 2000;

bool AnyRunning(std::span<BenchJob* const> jobs) {
    return std::any_of(jobs.begin(), jobs.end(),
                       [](const BenchJob* job) { return job->IsRunning(); });
}

std::optional<int64_t> EarliestDue(std::span<BenchJob* const> jobs) {
    std::optional<int64_t> earliest;
    for (const BenchJob* job : jobs) {
        const std::optional<int64_t> due = job->NextDue();
        if (due && (!earliest || *due < *earliest)) {
            earliest = due;
        }
    }
    return earliest;
}

// Sleeps until the earliest timer or until a line has input; tells each job whose line did.
void WaitForWork(std::span<BenchJob* const> jobs, int64_t now, const sigset_t* waitMask) {
    std::vector<pollfd> lines;
    std::vector<BenchJob*> owners;
    for (BenchJob* job : jobs) {
        if (const int fd = job->InputDescriptor(); fd >= 0) {
            lines.push_back({fd, POLLIN, 0});
            owners.push_back(job);
        }
    }
    const std::optional<int64_t> due = EarliestDue(jobs);
    // Never without a limit: a job always has a timer while it runs, but a loop that slept
    // for ever on a mistake would hold every port it has.
    const int64_t waitUs =
        std::clamp<int64_t>(due ? *due - now + kTimerSlackUs : 100000, 0, 1000000);
    const timespec timeout{static_cast<time_t>(waitUs / 1000000),
                           static_cast<long>((waitUs % 1000000) * 1000)};
    if (ppoll(lines.data(), lines.size(), &timeout, waitMask) <= 0) {
        return;
    }
    const int64_t woke = BenchClockNow();
    for (size_t i = 0; i < lines.size(); ++i) {
        if ((lines[i].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            owners[i]->LineHungUp();
        } else if ((lines[i].revents & POLLIN) != 0) {
            owners[i]->InputArrived(woke);
        }
    }
}

}  // namespace

bool RunBench(std::span<BenchJob* const> jobs, const std::function<bool()>& stopRequested,
              const sigset_t* waitMask) {
    for (BenchJob* job : jobs) {
        job->Start();
    }
    while (AnyRunning(jobs)) {
        if (stopRequested && stopRequested()) {
            for (BenchJob* job : jobs) {
                job->Stop();
            }
            return true;
        }
        const int64_t now = BenchClockNow();
        // Each job takes at most one due timer per turn, so that none waits behind another
        // that has much to do.
        for (BenchJob* job : jobs) {
            job->RunDue(now);
        }
        const std::optional<int64_t> due = EarliestDue(jobs);
        if (due && *due <= BenchClockNow()) {
            continue;
        }
        WaitForWork(jobs, BenchClockNow(), waitMask);
    }
    return false;
}

}  // namespace radioprog
