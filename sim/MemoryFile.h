#pragma once
// The simulated radio's memory kept in a plain file of up to 64 KiB, so that what the tool
// wrote is still there when the simulator starts again.

#include <cstdint>
#include <span>
#include <string>

#include "RadioSimulator.h"

namespace radioprog {

enum class MemoryFileLoad { Loaded, Missing, Unreadable };

// Replaces the start of the radio's memory with the file's bytes (a shorter file replaces
// only what it holds; bytes past 64 KiB are ignored).
MemoryFileLoad LoadMemoryFile(const std::string& path, RadioSimulator& radio);

// Writes all of memory through a temporary file and a rename, so an interrupted save never
// leaves a truncated file behind. False when it could not be written.
bool SaveMemoryFile(const std::string& path, std::span<const uint8_t> memory);

}  // namespace radioprog
