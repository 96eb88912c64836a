#pragma once
// Running a job against a radio from the command line: which port (a device, a number or the
// configured choice), the session's event loop, the port's failure and the exit status.

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliContext.h"
#include "session/SessionData.h"
#include "session/SessionDriver.h"
#include "session/SessionHost.h"

namespace radioprog::cli {

struct PortOptions {
    std::optional<std::string> device;
    std::optional<int> port;
};

void AddPortOptions(CLI::App* command, PortOptions& options);
// Puts the options into the port choice the job will use.
void ApplyPortOptions(const PortOptions& options, PortChoice& choice);

// Makes the job's driver on the program's state, the opened line and the loop's host.
using DriverMaker =
    std::function<std::unique_ptr<SessionDriver>(SessionData, SerialPort&, SessionHost&)>;

// Runs the driver to its end on the chosen port; true when it succeeded. The exit code is set
// either way, and why a port could not be opened is printed. ended sees the driver last.
bool RunDriver(CliContext& context, const PortOptions& portOptions, const DriverMaker& make,
               const std::function<void(SessionDriver&)>& ended = {});

// One plain session of the given job.
bool RunJob(CliContext& context, const PortOptions& portOptions, int32_t mode, bool read);

}  // namespace radioprog::cli
