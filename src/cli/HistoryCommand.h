#pragma once
// The history of reads on the command line: `history [list|show N|path N]`, and every read
// of the radio commands kept there.

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "history/RadioHistory.h"

namespace radioprog::cli {

void AddHistoryCommand(CLI::App& app, CliContext& context);

// The configuration's history keys under --history and --no-history.
HistorySettings HistorySettingsFor(const CliContext& context);

// Keeps what a successful read brought into context.data. A history that cannot be kept is
// said on standard error and leaves the read a success: the read's own output is written.
void KeepReadInHistory(CliContext& context, HistoryJob job);

}  // namespace radioprog::cli
