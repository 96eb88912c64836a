#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace radioprog::cli {

// `export-csv PROJECT.Vkf [-o FILE.csv] [--format own|chirp]` and
// `import-csv FILE.csv --base PROJECT.Vkf -o OUT.Vkf [--renumber] [--shorten-names] [--rows LIST]
// [--skip-unfit] [--replace]`:
// a project's channels as a CSV list, and a list stored over a project into a new file.
void AddChannelListCommands(CLI::App& app, CliContext& context);

}  // namespace radioprog::cli
