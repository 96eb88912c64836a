#pragma once
// Reading the files the user names (projects, calibration files, the configuration, memory
// images) without trusting what the name points at: a FIFO must not block the program in
// open(), and a folder, a device or a huge sparse file must not be read as data.

#include <sys/types.h>
#include <cstddef>

#include <cstdint>
#include <string>
#include <vector>

namespace radioprog {

enum class FileRead {
    Read,        // bytes holds the file's contents (up to the limit)
    Missing,     // nothing of that name exists
    Unreadable,  // it exists but is not a regular file, is too large, or cannot be read
};

struct RegularFileContents {
    FileRead status = FileRead::Read;
    std::vector<uint8_t> bytes;
    std::string why;  // for Missing and Unreadable: the reason, in a few words
};

// What to do with a file longer than the limit.
enum class LongerFile {
    ReadTheStart,  // keep the first maxBytes bytes, as the fixed-size binary formats do
    Refuse,        // the file cannot be what it claims to be
};

// "it is a folder", "it is a pipe, not a file", ...: why a file of this mode is refused.
std::string WhyNotRegularFile(mode_t mode);

// Reads a regular file (a symbolic link is followed) of at most maxBytes bytes.
RegularFileContents ReadRegularFile(const std::string& path, size_t maxBytes, LongerFile longer);

}  // namespace radioprog
