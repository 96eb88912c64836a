#pragma once
// The part of the program's state a programming session reads and fills: the data model it
// converts from and into, the radio's memory and calibration buffers, and the radio kind the
// handshake found. The program's one AppData is one of these with more beside it; a session
// that must not touch the open project (the backup before a write, the read-back after it,
// the radio side of a comparison) works on a plain copy.

#include <optional>

#include "calibration/CalibrationData.h"
#include "model/BandLimits.h"
#include "model/LastWriteTime.h"
#include "model/ProjectImage.h"
#include "session/CalibrationTables.h"
#include "session/RadioKind.h"
#include "session/RadioMemoryMap.h"

namespace radioprog {

struct SessionState {
    ProjectImage image;
    BandLimits band;
    LastWriteTime lastWriteTime;
    CalibrationData calibration;
    RadioMemory radioMemory;
    CalibrationImage calibrationImage;
    CalibrationTables calibrationTables;
    // The radio kind the last session's handshake found ('Y' counts in 125 Hz units). It
    // outlives the session, so a window opened afterwards knows which radio it last met.
    bool VariantY = false;
    // The radio the last read into this state met; with lastWriteTime it tells which radio
    // the data came from. Nothing until a read has succeeded.
    std::optional<RadioKind> radioRead;
};

}  // namespace radioprog
