#pragma once
// Output files appear whole or not at all: the content goes to a temporary file in the same
// folder, which then replaces the target in one rename.

#include <functional>
#include <string>

#include "model/ProjectFile.h"

namespace radioprog::cli {

// Whether a file could be created in the folder of path (checked before a job starts, so a
// radio is not read for an output that cannot be kept).
FileResult CheckOutputWritable(const std::string& path);

// Runs save on a fresh temporary path beside path and renames the result over path. The
// temporary file is removed when anything fails.
FileResult WriteAtomically(const std::string& path,
                           const std::function<FileResult(const std::string&)>& save);

}  // namespace radioprog::cli
