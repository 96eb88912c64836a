#pragma once
// The bench log's line for a write that has ended, however it ended.

#include <string>

#include "port/PortChoice.h"
#include "programminglog/ProgrammingLog.h"
#include "session/CheckedWrite.h"

namespace radioprog {

struct WriteLogContext {
    std::string job;          // "write", "calibration-write", "write-all"
    std::string projectFile;  // where the project came from, empty if unsaved
    std::string backupFile;   // the backup kept before the write, empty if none
};

ProgrammingLogLine WriteLogLine(const CheckedWrite& write, const PortChoice& port,
                                const WriteLogContext& context);

// The job's word in the log and the history.
std::string WriteJobName(SessionMode writeMode);

}  // namespace radioprog
