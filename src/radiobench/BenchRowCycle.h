#pragma once
// One cable of the bench, as a cycle of what it does next. By hand, Start (or Retry) writes
// the radio on the cable once and shows the result. Automatic, for a production line: the
// cable checks for a radio every two seconds, writes the one that answers, shows the result,
// then checks every two seconds until that radio stops answering (taken off the cable) before
// it arms again, so each radio is written once per connection.
//
// The cycle only decides; the front end runs the write or the check it asks for and reports
// how it ended. Times are milliseconds on whatever clock the front end keeps.

#include <cstdint>
#include <optional>

#include "session/CheckedWriteHost.h"
#include "session/SessionDriver.h"

namespace radioprog {

// Between two checks for a radio, the port is left alone this long.
inline constexpr int64_t kBenchCheckIntervalMs = 2000;

enum class BenchPhase {
    Idle,             // nothing asked of the cable (before Start, after Stop)
    WaitingForRadio,  // automatic: a check every two seconds until a radio answers
    Backup,           // the write job's stages
    Writing,
    ReadBack,
    ResultShown,        // by hand: the write has ended; Retry writes again
    WaitingForRemoval,  // automatic: written; waiting until the radio stops answering
};

// What the front end starts now.
enum class BenchAction { None, Write, Check };

enum class BenchResult { None, Succeeded, Failed };

// What a check for a radio found.
enum class CheckAnswer {
    NoRadio,    // nothing answered the handshake
    Radio,      // a radio answered and the check ran to its end (whatever the radio said)
    BrokenOff,  // a radio answered, then fell silent: it is being plugged in or taken off
};

// What a check that has ended found, from how it ended and whether a radio answered it.
CheckAnswer AnswerOfCheck(SessionOutcome outcome, bool radioAnswered);

struct BenchTotals {
    int done = 0;
    int failed = 0;
};

class BenchRowCycle {
  public:
    bool Automatic() const { return automatic_; }
    // Takes effect at the next Start.
    void SetAutomatic(bool on) { automatic_ = on; }

    // Start all, or the row's Retry: by hand the write at once; automatic, a check first.
    // Nothing while a job runs.
    BenchAction Start(int64_t nowMs);
    // Stop all: the front end stops the running job itself. A write stopped after the radio
    // answered counts as failed: it may be half written.
    void Stop(bool writeReachedRadio);

    void StageStarted(WriteStage stage);
    BenchAction WriteEnded(bool succeeded, int64_t nowMs);
    BenchAction CheckEnded(CheckAnswer answer, int64_t nowMs);
    // The check that has come due, if any.
    BenchAction Tick(int64_t nowMs);

    BenchPhase Phase() const { return phase_; }
    // When Tick next has something to do.
    std::optional<int64_t> NextDue() const { return due_; }
    bool JobRunning() const { return running_ != BenchAction::None; }
    bool WriteRunning() const { return running_ == BenchAction::Write; }
    // The result of the last write, kept until the next write starts.
    BenchResult LastResult() const { return result_; }
    const BenchTotals& Totals() const { return totals_; }

  private:
    BenchAction Run(BenchAction action);
    void CheckLater(int64_t nowMs);
    void CountResult(bool succeeded);

    bool automatic_ = false;
    BenchPhase phase_ = BenchPhase::Idle;
    BenchAction running_ = BenchAction::None;
    std::optional<int64_t> due_;
    BenchResult result_ = BenchResult::None;
    BenchTotals totals_;
};

}  // namespace radioprog
