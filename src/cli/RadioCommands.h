#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace radioprog::cli {

// The commands that talk to a radio: read, write, status, calibration read / write /
// write-all, set-password, and ports (what stands behind COM1..COM9).
void AddRadioCommands(CLI::App& app, CliContext& context);

}  // namespace radioprog::cli
