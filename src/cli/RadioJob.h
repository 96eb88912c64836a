#pragma once
// Running a job against a radio from the command line: which port (a device, a number or the
// configured choice), the job's event loop, the port's failure and the exit status.

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "jobs/RadioJobs.h"

namespace radioprog::cli {

struct PortOptions {
    std::optional<std::string> device;
    std::optional<int> port;
    // The commands that take several radios at once: every --device given, or --all-ports.
    // One device alone is the single job's --device.
    std::vector<std::string> devices;
    bool allPorts = false;
};

void AddPortOptions(CLI::App* command, PortOptions& options);
// Puts the options into the port choice the job will use.
void ApplyPortOptions(const PortOptions& options, PortChoice& choice);

// Runs the job to its end on the chosen port (on every radio at once when the options name
// several), on context.data, with the history that
// --history and --no-history leave; true when it succeeded. The exit code is set either way,
// and why a port could not be opened is printed.
bool RunRadioJob(CliContext& context, const PortOptions& portOptions, const JobOrder& order);

// One plain session of the given job (a read is kept in the history).
bool RunJob(CliContext& context, const PortOptions& portOptions, SessionMode mode, bool read);

}  // namespace radioprog::cli
