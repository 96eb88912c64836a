#pragma once
// The command-line tool's host for a job: a small event loop on the monotonic clock that
// fires the session's three timers, progress on standard error (a bar when it is a terminal),
// and the result message and the job's notes in English.

#include <cstdint>
#include <ostream>

#include "jobs/JobHost.h"
#include "lang/AppLang.h"
#include "port/PosixSerialPort.h"
#include "session/ProgramSession.h"
#include "session/TimerSchedule.h"

namespace radioprog::cli {

// A job stopped by a signal (SIGINT, SIGTERM, SIGHUP or SIGQUIT), as shells report Ctrl-C.
inline constexpr int kExitInterrupted = 130;

class CliSessionHost : public JobHost {
  public:
    // progressBar: redraw one line in place; otherwise print each new tenth on its own line.
    // With a port, the receive poll also runs as soon as input arrives instead of waiting for
    // its next tick: a reply is taken the moment it is complete, which keeps a transfer at
    // the speed of the line.
    CliSessionHost(std::ostream& err, bool progressBar, const PosixSerialPort* port = nullptr)
        : err_(err), progressBar_(progressBar), port_(port) {}

    // Starts the job and runs the loop until it has ended. SIGINT, SIGTERM, SIGHUP or SIGQUIT
    // close the session as the window's close box would, unless the signal is ignored.
    SessionOutcome Run(SessionDriver& session);

    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override { SetProgress(progress_ + by); }
    void ShowMessage(SessionMessage message) override;
    void CloseWindow() override;
    void DataRead() override {}
    void CalibrationRead() override {}
    void ChipStatusRead() override {}
    void StageStarted(WriteStage) override {}
    void VerifyFailed(const VerifyReport& report) override;
    void VerifyNotRun(SessionMessage why) override;
    void Tell(const JobNote& note) override;
    void PortMended(const std::string& what) override { err_ << "Note: " << what << "\n"; }

    // A backup before a write could not be kept, so nothing was written.
    bool BackupRefused() const { return backupRefused_; }

  private:
    void DrawProgress();

    std::ostream& err_;
    bool progressBar_;
    const PosixSerialPort* port_;
    int progress_ = 0;
    int shownProgress_ = -1;
    bool closed_ = false;
    bool backupRefused_ = false;
    TimerSchedule timers_;  // microseconds, monotonic clock
};

// The exit status of a finished session.
int ExitCodeOf(SessionOutcome outcome);

// The language the command line speaks.
const THaldenFuncs::TAppLang& English();

// The English text of a session message.
std::string SessionMessageText(SessionMessage message);

}  // namespace radioprog::cli
