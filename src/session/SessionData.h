#pragma once
// The part of the program's state a programming session reads and fills: the data model it
// converts from and into, the radio's memory and calibration buffers, and the port choice.
// The session holds references only; whoever owns the state (AppData in the programs, the
// test itself in a test) builds one of these for each session it starts.

#include "calibration/CalibrationData.h"
#include "model/BandLimits.h"
#include "model/LastWriteTime.h"
#include "model/ProjectImage.h"
#include "port/PortChoice.h"
#include "session/CalibrationTables.h"
#include "session/RadioMemoryMap.h"

namespace radioprog {

struct SessionData {
    ProjectImage& image;
    BandLimits& band;
    LastWriteTime& lastWriteTime;
    CalibrationData& calibration;
    RadioMemory& radioMemory;
    CalibrationImage& calibrationImage;
    CalibrationTables& calibrationTables;
    PortChoice& port;
    // The radio kind the handshake found; kept by the owner after the session has ended.
    bool& VariantY;
};

}  // namespace radioprog
