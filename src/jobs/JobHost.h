#pragma once
// What a front end does for a job: everything a session needs (timers, progress, the result
// message, what a read brought), a word for each part of a safe write, the read-back that
// differs, and the notes of what the job kept or could not keep. The front end only presents;
// what is kept and logged is the job's business.

#include <string>

#include "session/CheckedWriteHost.h"
#include "session/SessionHost.h"
#include "session/WriteVerification.h"

namespace radioprog {

enum class JobNoteKind {
    ReadNotKept,     // a successful read could not go into the history; the read stands
    KeptWithNotice,  // a read or backup was kept, with something to say (an old entry
                     // would not go, a history limit that was refused)
    BackupKept,      // the backup before a write is in the history
    BackupNotKept,   // ... could not be kept: nothing was written
    LogNotWritten,   // the write's line could not be added to the bench log
};

struct JobNote {
    JobNoteKind kind = JobNoteKind::ReadNotKept;
    std::string detail;  // the file kept, or why not (English, from the file layer)
};

class JobHost : public virtual SessionHost {
  public:
    virtual void StageStarted(WriteStage stage) = 0;
    virtual void VerifyFailed(const VerifyReport& report) = 0;
    // Instead of the message why: the write was acknowledged, its read-back could not run.
    virtual void VerifyNotRun(SessionMessage why) = 0;
    virtual void Tell(const JobNote& note) = 0;
};

}  // namespace radioprog
