#pragma once
// What the jobs put into the history: a successful read as it came from the radio, and the
// backup a safe write takes before it writes.

#include <string>

#include "history/RadioHistory.h"
#include "session/CheckedWriteHost.h"
#include "session/SessionState.h"

namespace radioprog {

// Keeps the project (job Read) or the calibration record (job CalibrationRead) that a read
// brought into state.
FileResult KeepReadInHistory(const HistorySettings& settings, HistoryJob job, RadioKind kind,
                             const SessionState& state);

// A backup goes in like any read, under a job of its own, so the radio's contents before the
// write can be opened and written back.
FileResult KeepBackupInHistory(const HistorySettings& settings, const BackupRead& backup,
                               std::string* keptPath = nullptr);

}  // namespace radioprog
