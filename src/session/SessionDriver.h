#pragma once
// What a host drives: a job that starts on a click, runs on the host's three timers and ends
// with an outcome. One programming session is one; a write with its backup and verify reads
// around it is another, made of several sessions one after the other on the same host.

#include <optional>

#include "port/SerialPort.h"
#include "session/RadioKind.h"

namespace radioprog {

enum class SessionOutcome {
    NotStarted,
    Running,
    Success,
    CommunicationFalse,
    PasswordError,
    OldVersion,
    Closed,  // the window was closed before the job ended
    // Written, but the radio read back holds something else than what was sent.
    VerifyFailed,
    // Every block written and acknowledged, but the read-back asked for could not run.
    WrittenUnverified,
};

class SessionDriver {
  public:
    virtual ~SessionDriver() = default;

    virtual void ProgramStartClick() = 0;
    virtual void Timer_TxTimer() = 0;
    virtual void Timer_RxTimer() = 0;
    virtual void Timer_TimeOutTimer() = 0;
    // The window is closing: stop at once and release the port, with no message.
    virtual void FormClose() = 0;

    virtual SessionOutcome Outcome() const = 0;
    bool IsRunning() const { return Outcome() == SessionOutcome::Running; }
    // Why the last port that could not be opened failed (error None when every port opened).
    virtual const PortResult& PortFailure() const = 0;
    // The radio the job talked to, once a handshake was answered.
    virtual std::optional<RadioKind> RadioMet() const = 0;
    // Whether a radio has answered this job yet. Until then nothing has reached a radio, so
    // a front end may stop the job at once without leaving one half written.
    virtual bool RadioAnswered() const { return RadioMet().has_value(); }
};

}  // namespace radioprog
