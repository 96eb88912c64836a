#include "cli/RadioJob.h"

#include <unistd.h>

#include <iostream>

#include "cli/CliSessionHost.h"
#include "port/PosixSerialPort.h"
#include "session/ProgramSession.h"

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
    if (options.device) {
        choice.source.explicitPorts = {{kFirstPortNumber, *options.device}};
        choice.source.scanDevices = [] { return std::vector<std::string>{}; };
        choice.portNumber = kFirstPortNumber;
        choice.autoSearchPort = false;
    } else if (options.port) {
        choice.portNumber = *options.port;
        choice.autoSearchPort = false;
    }
}

bool RunDriver(CliContext& context, const PortOptions& portOptions, const DriverMaker& make,
               const std::function<void(SessionDriver&)>& ended) {
    ApplyPortOptions(portOptions, context.data.port);
    PosixSerialPort port(context.data.port.lockFolder);
    CliSessionHost host(std::cerr, isatty(STDERR_FILENO) == 1, &port);
    const std::unique_ptr<SessionDriver> driver = make(SessionDataOf(context.data), port, host);
    const SessionOutcome outcome = host.Run(*driver);
    if (outcome == SessionOutcome::CommunicationFalse &&
        driver->PortFailure().error != PortError::None) {
        std::cerr << driver->PortFailure().message << "\n";
    }
    context.exitCode = ExitCodeOf(outcome);
    context.radioKind = driver->RadioMet().value_or(RadioKind::S);
    if (ended) {
        ended(*driver);
    }
    return outcome == SessionOutcome::Success;
}

bool RunJob(CliContext& context, const PortOptions& portOptions, int32_t mode, bool read) {
    return RunDriver(context, portOptions,
                     [mode, read](SessionData data, SerialPort& line, SessionHost& host) {
                         auto session = std::make_unique<ProgramSession>(data, line, host);
                         session->SessionMode = mode;
                         session->ReadRequested = read;
                         return session;
                     });
}

}  // namespace radioprog::cli
