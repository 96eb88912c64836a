#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace radioprog::cli {

// `diff A.Vkf B.Vkf` and `diff A.Vkf --device D`: the fields in which two projects, or a
// project and a radio, differ; exit 0 when none do, 1 when some do.
void AddDiffCommand(CLI::App& app, CliContext& context);

}  // namespace radioprog::cli
