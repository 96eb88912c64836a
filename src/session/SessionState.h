#pragma once
// A private copy of everything a session works on, for a read whose result must not touch
// the open project: the backup taken before a write, the read-back that verifies it, the
// radio side of a comparison.

#include "session/SessionData.h"

namespace radioprog {

struct SessionState {
    ProjectImage image;
    BandLimits band;
    LastWriteTime lastWriteTime;
    CalibrationData calibration;
    RadioMemory radioMemory;
    CalibrationImage calibrationImage;
    CalibrationTables calibrationTables;
    PortChoice port;
    bool VariantY = false;

    static SessionState CopyOf(const SessionData& data);
    SessionData View();
};

}  // namespace radioprog
