#pragma once
// read and write on several radios at once: --device repeated, or --all-ports for every
// serial device present. Each radio runs the whole job of a single one (backup, write,
// read-back, log line; a read kept in the history and saved to a file of its own), all of
// them side by side in one process.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "cli/RadioJob.h"

namespace radioprog::cli {

// --device (repeatable), --port and --all-ports for the commands that take several radios.
void AddSeveralPortOptions(CLI::App* command, PortOptions& options);

// Whether the options name more than one radio (or every one present).
bool IsSeveral(const PortOptions& options);

// Every serial device present: the configured COMn devices and those found in the device
// folder, each once, in that order, that can be opened for exclusive use right now.
std::vector<std::string> PresentSerialDevices(const PortChoice& choice);

// Runs the order on every radio the options name; true when every radio succeeded. The exit
// code is set either way.
bool RunSeveralRadioJobs(CliContext& context, const PortOptions& portOptions,
                         const JobOrder& order);

// Reads every radio the options name into a project file of its own in folder (created when
// missing), named by device and time, and into the history.
void RunSeveralReads(CliContext& context, const PortOptions& portOptions,
                     const std::string& folder);

}  // namespace radioprog::cli
