#include "jobs/SessionJob.h"

#include "jobs/HistoryKeeping.h"

namespace radioprog {

SessionJob::SessionJob(SessionMode mode, bool read, const JobSite& site)
    : JobBase(site.host), state_(site.state), history_(site.history) {
    SessionHost& host = *this;
    auto session =
        std::make_unique<ProgramSession>(site.state, site.port, site.line, host, site.probe);
    session->SessionMode = mode;
    session->ReadRequested = read;
    Drive(std::move(session));
}

void SessionJob::DataRead() {
    front_.DataRead();
    Keep(HistoryJob::Read);
}

void SessionJob::CalibrationRead() {
    front_.CalibrationRead();
    Keep(HistoryJob::CalibrationRead);
}

void SessionJob::Keep(HistoryJob job) {
    const FileResult kept =
        KeepReadInHistory(history_, job, RadioMet().value_or(RadioKind::S), state_);
    if (!kept) {
        front_.Tell({JobNoteKind::ReadNotKept, kept.message});
    } else if (!kept.notice.empty()) {
        front_.Tell({JobNoteKind::KeptWithNotice, kept.notice});
    }
}

}  // namespace radioprog
