#include "jobs/SafeWriteJob.h"

#include "jobs/HistoryKeeping.h"
#include "programminglog/WriteLogLine.h"

namespace radioprog {

SafeWriteJob::SafeWriteJob(const JobOrder& order, const JobSite& site)
    : JobBase(site.host),
      port_(site.port),
      history_(site.history),
      projectFile_(order.projectFile) {
    CheckedWriteHost& host = *this;
    auto write = std::make_unique<CheckedWrite>(site.state, site.port, site.line, host, order.mode,
                                                order.checks, site.probe);
    write_ = write.get();
    Drive(std::move(write));
}

bool SafeWriteJob::KeepBackup(const BackupRead& backup) {
    std::string keptFile;
    const FileResult kept = KeepBackupInHistory(history_, backup, &keptFile);
    if (!kept) {
        front_.Tell({JobNoteKind::BackupNotKept, kept.message});
    } else if (!keptFile.empty()) {
        front_.Tell({JobNoteKind::BackupKept, keptFile});
        if (!kept.notice.empty()) {
            front_.Tell({JobNoteKind::KeptWithNotice, kept.notice});
        }
        // A write of calibration and data keeps one backup of each; the log names both.
        backupFile_ += (backupFile_.empty() ? "" : "; ") + keptFile;
    }
    return kept.ok;
}

void SafeWriteJob::Ended() {
    if (history_.enabled) {
        const FileResult logged = AppendProgrammingLog(
            history_.folder,
            WriteLogLine(*write_, port_,
                         {WriteJobName(write_->WriteMode()), projectFile_, backupFile_}));
        if (!logged) {
            front_.Tell({JobNoteKind::LogNotWritten, logged.message});
        }
    }
    backupFile_.clear();
}

}  // namespace radioprog
