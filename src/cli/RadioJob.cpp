#include "cli/RadioJob.h"

#include <unistd.h>

#include <iostream>

#include "cli/CliSessionHost.h"
#include "cli/HistoryCommand.h"
#include "cli/SeveralRadios.h"
#include "jobs/WriteRefusal.h"
#include "port/PosixSerialPort.h"

namespace radioprog::cli {

void AddPortOptions(CLI::App* command, PortOptions& options) {
    auto* device = command->add_option("--device", options.device,
                                       "Use this serial device, without auto search");
    auto* port = command
                     ->add_option("--port", options.port,
                                  "Use port number N (1-9) of the port map, without auto search")
                     ->check(CLI::Range(kFirstPortNumber, kLastPortNumber));
    device->excludes(port);
}

void ApplyPortOptions(const PortOptions& options, PortChoice& choice) {
    const std::optional<std::string> device =
        options.devices.size() == 1 ? std::optional(options.devices.front()) : options.device;
    if (device) {
        choice.source.explicitPorts = {{kFirstPortNumber, *device}};
        choice.source.scanDevices = [] { return std::vector<std::string>{}; };
        choice.portNumber = kFirstPortNumber;
        choice.autoSearchPort = false;
    } else if (options.port) {
        choice.portNumber = *options.port;
        choice.autoSearchPort = false;
    }
}

bool RunRadioJob(CliContext& context, const PortOptions& portOptions, const JobOrder& order) {
    if (IsSeveral(portOptions)) {
        return RunSeveralRadioJobs(context, portOptions, order);
    }
    if (const auto refusal = RefuseWrite(order, context.data)) {
        std::cerr << WriteRefusalTextUtf8(English(), *refusal) << "\n";
        context.exitCode = kExitDataError;
        return false;
    }
    ApplyPortOptions(portOptions, context.data.port);
    PosixSerialPort port(context.data.port.lockFolder);
    CliSessionHost host(std::cerr, isatty(STDERR_FILENO) == 1, &port);
    const std::unique_ptr<SessionDriver> job =
        MakeJob(order, {context.data, context.data.port, port, host, HistorySettingsFor(context)});
    const SessionOutcome outcome = host.Run(*job);
    context.radioMet = job->RadioMet();
    if (outcome == SessionOutcome::CommunicationFalse &&
        job->PortFailure().error != PortError::None) {
        std::cerr << job->PortFailure().message << "\n";
    }
    context.exitCode = host.BackupRefused() ? kExitFileError : ExitCodeOf(outcome);
    return outcome == SessionOutcome::Success;
}

bool RunJob(CliContext& context, const PortOptions& portOptions, SessionMode mode, bool read) {
    return RunRadioJob(context, portOptions, {mode, read, {}, {}});
}

}  // namespace radioprog::cli
