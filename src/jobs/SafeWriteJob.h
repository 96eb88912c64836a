#pragma once
// A write with its safety net: the backup read before it goes into the history (a backup that
// cannot be kept stops the write), the written areas can be read back and held against what
// was sent, and every write that started, however it ended, adds a line to the bench log. A
// new password is a write of this kind with nothing to back up or read back.

#include <string>

#include "jobs/JobBase.h"
#include "jobs/RadioJobs.h"

namespace radioprog {

class SafeWriteJob final : public JobBase {
  public:
    SafeWriteJob(const JobOrder& order, const JobSite& site);

  private:
    bool KeepBackup(const BackupRead& backup) override;
    void Ended() override;

    const PortChoice& port_;
    HistorySettings history_;
    std::string projectFile_;
    // The backups of the write running now, for its log line.
    std::string backupFile_;
    CheckedWrite* write_ = nullptr;
};

}  // namespace radioprog
