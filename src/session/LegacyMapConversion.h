#pragma once
// Conversion between the data model and the legacy radios' memory map in RadioMemory.

#include <cstdint>

#include "model/LastWriteTime.h"
#include "model/ProjectImage.h"
#include "session/RadioMemoryMap.h"

namespace radioprog {

// Key function codes as legacy radios store them; key1 selects the first key's table.
uint8_t KeyToLegacyCode(uint8_t keyFunction, bool key1);
uint8_t KeyFromLegacyCode(uint8_t legacyCode, bool key1);

// Fills the buffer with 0xFF, then writes the channels in use and the settings it holds.
void GetDataForWrite_old(const ProjectImage& image, RadioMemory& memory);

// Takes channels and settings from the buffer. The saver ratio becomes 3 and the serial
// number and lastWriteTime are cleared, since the legacy map holds none of them.
void SetDataToSoftware_old(const RadioMemory& memory, ProjectImage& image,
                           LastWriteTime& lastWriteTime);

}  // namespace radioprog
