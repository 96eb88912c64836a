#pragma once
// Output files appear whole or not at all: the content goes to a temporary file in the same
// folder, which then replaces the target in one rename. The replaced file keeps its mode
// (a project holds the unlock password in clear) and, when we may set it, its owner.
// A file we may write in a folder that refuses new files is not lost to us: once the bytes
// are ready and fit, it is rewritten in place, and the result's notice says so.

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "model/FileResult.h"

namespace radioprog {

// Whether path can receive an output file, checked before a job starts so that a radio is
// not read for an output that cannot be kept: a name is given, it is not a folder, a device
// or a pipe, it is not under /proc or /sys, and a file can be created beside it (or, where
// the folder refuses that, the file exists and we may write it). A symbolic link is followed
// to the file it names. Messages name path as given.
FileResult CheckOutputWritable(const std::string& path);

// Runs save on a fresh temporary path beside the target and renames the result over it; the
// target is path, or the file path names when it is a symbolic link. Anything other than a
// regular file is refused, and the temporary file is removed when anything fails.
// A file that is not there yet gets newFileMode when given (a private copy of a radio's data
// must never be readable by others, whatever the umask says), else the mode any new file of
// the user would get; a replaced file keeps its own mode either way.
FileResult WriteAtomically(const std::string& path,
                           const std::function<FileResult(const std::string&)>& save,
                           std::optional<mode_t> newFileMode = std::nullopt);

// The one way our programs write a file of the user's: bytes through WriteAtomically, checked
// for a short write (a full disk) and synced before they replace the target. Where the folder
// refuses the temporary file (or its rename) but the target is a file we may write, the bytes
// are written over it in place (see RewriteInPlace), with a notice for the caller to show.
FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                               std::optional<mode_t> newFileMode = std::nullopt);
FileResult WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace radioprog
