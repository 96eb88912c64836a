#pragma once
// How a command reports what a file operation said: a failure on standard error with its exit
// code (a file that is not what it was opened as is bad data, 65; one that cannot be read or
// written, 66), a notice on success on standard error too.

#include "cli/CliContext.h"
#include "model/FileResult.h"

namespace radioprog::cli {

// True when the operation succeeded.
bool Report(const FileResult& result, CliContext& context);

}  // namespace radioprog::cli
