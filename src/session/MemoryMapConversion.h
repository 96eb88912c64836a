#pragma once
// Conversion between the data model and the current radios' memory map in RadioMemory.

#include "model/BandLimits.h"
#include "model/LastWriteTime.h"
#include "model/ProjectImage.h"
#include "session/CalibrationTables.h"
#include "session/RadioMemoryMap.h"

namespace radioprog {

// The local date and time, for stamping a write.
LastWriteTime LocalTimeNow();

// Rebuilds the whole buffer from the data model: channels in use with their power, tuning
// and squelch bytes from tables, the settings area with band and the write time now, and
// the password block of NewPassword. The caller loads tables first.
void GetDataForWrite(const ProjectImage& image, const BandLimits& band,
                     const CalibrationTables& tables, bool variantY, const LastWriteTime& now,
                     RadioMemory& memory);

// Takes the channels, settings, band and last write time from the buffer. Fields the map
// does not hold keep their values; a band outside the usable ranges becomes 400-480 MHz.
void SetDataToSoftware(const RadioMemory& memory, bool variantY, ProjectImage& image,
                       BandLimits& band, LastWriteTime& lastWriteTime);

// Recomputes the power, tuning and squelch bytes of every used channel record in the
// buffer from its own frequencies and flags, with the current tables.
void ReAnalyseChInfor(const CalibrationTables& tables, const BandLimits& band, bool variantY,
                      RadioMemory& memory);

}  // namespace radioprog
