#pragma once
// What a write with a safety net needs from whoever runs it, beside a session's host: a place
// to keep the backup read before the write, a word for each part of the job as it begins,
// and the read-back that differs from what was sent.

#include "session/RadioKind.h"
#include "session/SessionHost.h"
#include "session/SessionState.h"
#include "session/WriteVerification.h"

namespace radioprog {

// The parts of a write with its safety net, in the order they run.
enum class WriteStage { BackupCalibration, BackupData, Write, VerifyCalibration, VerifyData };

// A read taken before the write, of the data or of the calibration block: a copy, so that it
// stays valid whatever the write does next.
struct BackupRead {
    bool calibration = false;
    RadioKind kind = RadioKind::S;
    SessionState radio;  // image/band or calibration filled from the radio
};

class CheckedWriteHost : public virtual SessionHost {
  public:
    // Keeps a backup read; false stops the job before anything is written (the host has said
    // why).
    virtual bool KeepBackup(const BackupRead& backup) = 0;
    // Told as each session of the job begins.
    virtual void StageStarted(WriteStage stage) = 0;
    // Instead of the success message: the radio read back holds something else than what
    // was sent.
    virtual void VerifyFailed(const VerifyReport& report) = 0;
    // Instead of the success message: every block was written and acknowledged, but the
    // read-back ended with why (as a session would show it), so the radio is unverified.
    virtual void VerifyNotRun(SessionMessage why) = 0;
};

}  // namespace radioprog
