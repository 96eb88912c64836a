#pragma once
// A write from the command line with the safety net asked for: --backup keeps the radio's
// contents in the history first, --verify reads the written areas back and fails (exit 1)
// naming what differs. Every write, whatever its end, adds a line to the bench log.

#include <CLI/CLI.hpp>

#include <string>

#include "cli/CliContext.h"
#include "cli/RadioJob.h"

namespace radioprog::cli {

void AddWriteCheckOptions(CLI::App* command, CheckedWriteOptions& options);

// Writes context.data to the radio; true when it succeeded and, with --verify, read back
// the same. projectFile is logged as where the data came from.
bool RunSafeWrite(CliContext& context, const PortOptions& port, SessionMode writeMode,
                  const CheckedWriteOptions& checks, const std::string& projectFile);

}  // namespace radioprog::cli
