#pragma once
// The history of reads on the command line: `history [list|show N|path N|label N TEXT]`, and the
// history settings the radio commands' jobs keep their reads under.

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "history/RadioHistory.h"

namespace radioprog::cli {

void AddHistoryCommand(CLI::App& app, CliContext& context);

// The configuration's history keys under --history and --no-history.
HistorySettings HistorySettingsFor(const CliContext& context);

}  // namespace radioprog::cli
