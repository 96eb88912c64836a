#pragma once
// The single instances the running program works on. main() owns one AppData and passes
// it by reference; a test makes its own. Nothing else holds process-wide state.

#include "lang/AppLang.h"
#include "model/Configuration.h"
#include "port/PortChoice.h"
#include "session/SessionState.h"

namespace radioprog {

// What a session works on, and beside it what only the programs keep.
struct AppData : SessionState {
    ConfigValues config;
    THaldenFuncs::TAppLang lang;  // reads the system language once
    // The port choice in force; config holds only the file's copy (see PortChoice.h).
    PortChoice port;
};

// The "new" operation: clears the last write time and resets the image. The band stays.
inline void ResetProjectToDefaults(AppData& data) {
    data.lastWriteTime = {};
    data.image.ResetToDefaults();
}

}  // namespace radioprog
