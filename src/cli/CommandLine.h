#pragma once
// radioprog-cli's command line: the global options, every subcommand and the closing table
// of exit codes, all bound to one context.

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace radioprog::cli {

void BuildCommandLine(CLI::App& app, CliContext& context);

}  // namespace radioprog::cli
