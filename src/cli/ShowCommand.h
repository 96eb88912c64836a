#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace radioprog::cli {

// `show FILE.Vkf [--json]`: the band, the channels in use and the option page of a project.
void AddShowCommand(CLI::App& app, CliContext& context);

}  // namespace radioprog::cli
