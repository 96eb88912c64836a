#pragma once
// The simulated radio's memory kept in a plain file of up to 64 KiB, so that what the tool
// wrote is still there when the simulator starts again.

#include <cstdint>
#include <span>
#include <string>

#include "RadioSimulator.h"
#include "model/ProjectFile.h"

namespace radioprog {

enum class MemoryFileLoad { Loaded, Missing, Unreadable };

// Replaces the start of the radio's memory with the file's bytes (a shorter file replaces
// only what it holds). Anything but a regular file of at most 64 KiB is not a memory image
// and is refused, so that saving never cuts it; why (when given) says what was wrong.
MemoryFileLoad LoadMemoryFile(const std::string& path, RadioSimulator& radio,
                              std::string* why = nullptr);

// Writes all of memory through a temporary file and a rename, so an interrupted save never
// leaves a truncated file behind; a symbolic link is followed and the file keeps its mode.
FileResult SaveMemoryFile(const std::string& path, std::span<const uint8_t> memory);

}  // namespace radioprog
