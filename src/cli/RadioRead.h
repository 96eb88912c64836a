#pragma once
// A radio's data read the way `read` reads it, for other commands that need what a radio
// holds: the port options they take and the read itself.

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/CliContext.h"
#include "cli/RadioJob.h"

namespace radioprog::cli {

// --device, --port and --password, as the radio commands take them.
void AddRadioReadOptions(CLI::App* command, PortOptions& port,
                         std::optional<std::string>& password);

// Loads the configured port settings and reads the radio's data into context.data's project
// and band. What they held before is the base: fields the radio does not carry keep it, and
// without a password the base's unlock password opens the radio. True when the read
// succeeded; the exit code is set either way.
bool ReadRadioData(CliContext& context, const PortOptions& port,
                   const std::optional<std::string>& password);

}  // namespace radioprog::cli
