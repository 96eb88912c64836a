#pragma once
// Conversion between CalibrationData, the radio's calibration block and the derived tables.

#include "calibration/CalibrationData.h"
#include "session/CalibrationTables.h"
#include "session/RadioMemoryMap.h"

namespace radioprog {

// The point and segment tables from the calibration block read into the buffer at the
// block's current-map offset (0x41B0).
void AnalyseTmpAdjustmentData(const RadioMemory& memory, CalibrationTables& tables);

// Builds the calibration block to write and every derived table from the record. Volume
// step 0 of the record is set to 0 first.
void GetAdjustmentData(CalibrationData& calibration, bool variantY, CalibrationImage& image,
                       CalibrationTables& tables);

// Takes the record's fields from a calibration block read into the buffer at offset 0.
void SetAdjustmentData(const RadioMemory& memory, bool variantY, CalibrationData& calibration);

// Takes the status fields from the RF chip status at buffer offsets 0..10.
void Set1846StatucData(const RadioMemory& memory, CalibrationData& calibration);

}  // namespace radioprog
