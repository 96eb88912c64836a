#pragma once
// Telling a file that is clearly not one of our binary records (a project or calibration
// file) from one that may be: text is never one of them, whatever its name says.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace radioprog {

// Why the bytes are text rather than a binary record ("it looks like a channel list", "it
// looks like an INI file", "it is a text file"), or nullopt when they may be a record. Text is
// mostly printable lines: a line break, no NUL byte, hardly any other control byte, and at
// least three in four bytes printable ASCII, so that a file in a Chinese code page still counts.
std::optional<std::string> TextFileKind(std::span<const uint8_t> bytes);

}  // namespace radioprog
