#include "session/SessionState.h"

namespace radioprog {

SessionState SessionState::CopyOf(const SessionData& data) {
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

SessionData SessionState::View() {
    return {image,
            band,
            lastWriteTime,
            calibration,
            radioMemory,
            calibrationImage,
            calibrationTables,
            port,
            VariantY};
}

}  // namespace radioprog
