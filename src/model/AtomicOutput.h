#pragma once
// Output files appear whole or not at all: the content goes to a temporary file in the same
// folder, which then replaces the target in one rename. The replaced file keeps its mode
// (a project holds the unlock password in clear) and, when we may set it, its owner.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "model/FileResult.h"

namespace radioprog {

// Whether path can receive an output file, checked before a job starts so that a radio is
// not read for an output that cannot be kept: a name is given, it is not a folder, a device
// or a pipe, it is not under /proc or /sys, and a file can be created beside it. A symbolic
// link is followed to the file it names. Messages name path as given.
FileResult CheckOutputWritable(const std::string& path);

// Runs save on a fresh temporary path beside the target and renames the result over it; the
// target is path, or the file path names when it is a symbolic link. Anything other than a
// regular file is refused, and the temporary file is removed when anything fails.
FileResult WriteAtomically(const std::string& path,
                           const std::function<FileResult(const std::string&)>& save);

// The one way our programs write a file of the user's: bytes through WriteAtomically, checked
// for a short write (a full disk) and synced before they replace the target.
FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
FileResult WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace radioprog
