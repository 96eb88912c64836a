#pragma once
// The jobs against a radio, one object each, that any front end runs on its host: a read
// (kept in the history), the chip status, a safe write (backup, write, read-back, bench log
// line), a new password (logged like any write), and a read into a copy for a comparison.

#include <memory>
#include <string>

#include "history/RadioHistory.h"
#include "jobs/JobHost.h"
#include "port/PortChoice.h"
#include "port/SerialPort.h"
#include "session/CheckedWrite.h"
#include "session/ProgramSession.h"
#include "session/SessionDriver.h"
#include "session/SessionState.h"

namespace radioprog {

// Which job, as the session's selectors name it.
struct JobOrder {
    SessionMode mode = SessionMode::Data;
    bool read = true;
    // Writes of data or calibration: the backup before and the read-back after.
    CheckedWriteOptions checks;
    // Writes: where the data came from, for the bench log (empty: unsaved).
    std::string projectFile;
};

// What every job runs on. state and port outlive the job.
struct JobSite {
    SessionState& state;
    PortChoice& port;
    SerialPort& line;
    JobHost& host;
    HistorySettings history;
    ProgramSession::PortProbe probe = ProbePorts;
};

// Whether the order is a write that a backup before and a read-back after can go round
// (data and calibration writes; every write is logged).
bool IsSafeWrite(const JobOrder& order);

// The job for the order.
std::unique_ptr<SessionDriver> MakeJob(const JobOrder& order, const JobSite& site);

}  // namespace radioprog
