#pragma once
// The single instances the running program works on. main() owns one AppData and passes
// it by reference; a test makes its own. Nothing else holds process-wide state.

#include "calibration/CalibrationData.h"
#include "lang/AppLang.h"
#include "model/BandLimits.h"
#include "model/Configuration.h"
#include "model/LastWriteTime.h"
#include "model/ProjectImage.h"
#include "port/PortChoice.h"
#include "session/CalibrationTables.h"
#include "session/RadioMemoryMap.h"
#include "session/SessionData.h"

namespace radioprog {

struct AppData {
    ProjectImage image;
    BandLimits band;
    LastWriteTime lastWriteTime;
    ConfigValues config;
    THaldenFuncs::TAppLang lang;  // reads the system language once
    CalibrationData calibration;
    RadioMemory radioMemory;
    CalibrationImage calibrationImage;
    CalibrationTables calibrationTables;
    // The port choice in force; config holds only the file's copy (see PortChoice.h).
    PortChoice port;
    // The radio kind the last session's handshake found ('Y' counts in 125 Hz units). It
    // outlives the session, so a window opened afterwards knows which radio it last met.
    bool VariantY = false;
};

// The "new" operation: clears the last write time and resets the image. The band stays.
inline void ResetProjectToDefaults(AppData& data) {
    data.lastWriteTime = {};
    data.image.ResetToDefaults();
}

// What a programming session works on, taken from the program's one AppData.
inline SessionData SessionDataOf(AppData& data) {
    return {data.image,
            data.band,
            data.lastWriteTime,
            data.calibration,
            data.radioMemory,
            data.calibrationImage,
            data.calibrationTables,
            data.port,
            data.VariantY};
}

}  // namespace radioprog
