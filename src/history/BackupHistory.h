#pragma once
// A write's backup read goes into the history like any read, under a job of its own, so the
// radio's contents before the write can be opened and written back.

#include <string>

#include "history/RadioHistory.h"
#include "session/CheckedWrite.h"

namespace radioprog {

FileResult KeepBackupInHistory(const HistorySettings& settings, const BackupRead& backup,
                               std::string* keptPath = nullptr);

}  // namespace radioprog
