#include "cli/CliSessionHost.h"

#include <signal.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "cli/CliContext.h"
#include "cli/StopSignals.h"
#include "jobs/VerifyFailureText.h"
#include "lang/DialogTexts.h"
#include "lang/WriteCheckText.h"

namespace radioprog::cli {

namespace {

// Microseconds, so that a 3 ms interval is 3 ms and not "the third millisecond tick".
int64_t MonotonicUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

}  // namespace

SessionOutcome CliSessionHost::Run(SessionDriver& session) {
    StopSignalGuard guard;
    session.ProgramStartClick();
    while (session.IsRunning()) {
        if (StopSignalGuard::StopRequested()) {
            session.FormClose();
            CloseWindow();
            // Without a word, a stopped job looks like one that died.
            err_ << "Stopped.\n" << std::flush;
            break;
        }
        const int64_t now = MonotonicUs();
        const std::optional<SessionTimer> next = timers_.Next();
        if (!next) {
            break;  // cannot happen while running; never spin if it did
        }
        if (timers_.DueTime(*next) > now) {
            const bool polling = timers_.IsRunning(SessionTimer::Rx);
            const int fd = (port_ != nullptr && polling) ? port_->Descriptor() : -1;
            if (guard.Wait(timers_.DueTime(*next) - now, fd)) {
                timers_.MoveDueTime(SessionTimer::Rx, MonotonicUs());
            }
            continue;
        }
        timers_.Fire(*next, now);
        RunTimerHandler(session, *next);
    }
    return session.Outcome();
}

void CliSessionHost::StartTimer(SessionTimer timer, int intervalMs) {
    timers_.Start(timer, MonotonicUs(), intervalMs * int64_t{1000});
}

void CliSessionHost::StopTimer(SessionTimer timer) {
    timers_.Stop(timer);
}

void CliSessionHost::Pause(int ms) {
    timespec rest{ms / 1000, static_cast<long>(ms % 1000) * 1000000};
    while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

void CliSessionHost::SetProgress(int position) {
    progress_ = std::clamp(position, 0, 100);
    if (!closed_) {
        DrawProgress();
    }
}

void CliSessionHost::DrawProgress() {
    if (progressBar_) {
        // The session empties the bar as it closes, just before its message: the terminal
        // keeps the furthest position, so a finished job never reads 0 %.
        if (progress_ <= shownProgress_) {
            return;
        }
        constexpr int kWidth = 40;
        const int filled = progress_ * kWidth / 100;
        err_ << "\r[" << std::string(static_cast<size_t>(filled), '#')
             << std::string(static_cast<size_t>(kWidth - filled), ' ') << "] " << progress_ << "%"
             << std::flush;
        shownProgress_ = progress_;
        return;
    }
    // In a log, one line per tenth reached is enough.
    const int tenth = progress_ / 10 * 10;
    if (tenth > shownProgress_ && tenth > 0) {
        err_ << "progress " << tenth << "%\n";
        shownProgress_ = tenth;
    }
}

void CliSessionHost::CloseWindow() {
    if (closed_) {
        return;
    }
    closed_ = true;
    if (progressBar_ && shownProgress_ >= 0) {
        err_ << "\n";
    }
    err_.flush();
}

void CliSessionHost::ShowMessage(SessionMessage message) {
    err_ << SessionMessageText(message) << "\n" << std::flush;
}

void CliSessionHost::VerifyFailed(const VerifyReport& report) {
    err_ << VerifyFailureTextUtf8(English(), report) << "\n" << std::flush;
}

void CliSessionHost::VerifyNotRun(SessionMessage why) {
    err_ << SessionMessageText(why) << "\n"
         << WriteCheckTextUtf8(English(), WriteCheckTextId::WrittenUnverified) << "\n"
         << std::flush;
}

void CliSessionHost::Tell(const JobNote& note) {
    switch (note.kind) {
        case JobNoteKind::ReadNotKept:
        case JobNoteKind::KeptWithNotice:
        case JobNoteKind::LogNotWritten:
            err_ << "Warning: " << note.detail << "\n";
            break;
        case JobNoteKind::BackupKept:
            err_ << "Backup: " << note.detail << "\n";
            break;
        case JobNoteKind::BackupNotKept:
            err_ << note.detail << "\n"
                 << WriteCheckTextUtf8(English(), WriteCheckTextId::BackupNotKept) << "\n";
            backupRefused_ = true;
            break;
    }
    err_ << std::flush;
}

const THaldenFuncs::TAppLang& English() {
    static const THaldenFuncs::TAppLang english("C");
    return english;
}

std::string SessionMessageText(SessionMessage message) {
    return SessionTextTable().TextUtf8(THaldenFuncs::TLangType::English, static_cast<int>(message));
}

int ExitCodeOf(SessionOutcome outcome) {
    switch (outcome) {
        case SessionOutcome::Success:
            return kExitSuccess;
        case SessionOutcome::PasswordError:
            return kExitPasswordError;
        case SessionOutcome::OldVersion:
            return kExitOldVersion;
        case SessionOutcome::Closed:
            return kExitInterrupted;
        case SessionOutcome::WrittenUnverified:
            return kExitWrittenUnverified;
        case SessionOutcome::NotStarted:
        case SessionOutcome::Running:
        case SessionOutcome::CommunicationFalse:
        // Like diff(1): what was read back differs from what was written.
        case SessionOutcome::VerifyFailed:
            return kExitCommunicationFalse;
    }
    return kExitCommunicationFalse;
}

}  // namespace radioprog::cli
