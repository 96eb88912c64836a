#pragma once
// What every command of radioprog-cli shares: the program state, the global options and
// the exit status the command leaves behind.

#include <optional>
#include <string>

#include "appdata/AppData.h"
#include "session/RadioKind.h"

namespace radioprog::cli {

// Exit codes follow the BSD sysexits convention for usage and file errors.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitCommunicationFalse = 1,
    kExitPasswordError = 2,
    kExitOldVersion = 3,
    // Every block was written and acknowledged, but the read-back asked for could not run:
    // the radio may or may not hold what was sent.
    kExitWrittenUnverified = 4,
    kExitUsage = 64,
    // diff --device: the radio did not answer, so nothing was compared. Elsewhere that is
    // "Communication False" (1), but diff's 1 says the two sides differ.
    kExitRadioDidNotAnswer = 69,
    kExitDataError = 65,
    kExitFileError = 66,
    kExitSoftware = 70,     // an internal error that no command reported itself
    kExitOutputError = 74,  // standard output could not be written
};

struct CliContext {
    AppData& data;
    std::optional<std::string> configOverride;  // --config PATH
    std::string executableDir;
    int exitCode = kExitSuccess;
    std::optional<std::string> historyFolder = std::nullopt;  // --history DIR
    bool noHistory = false;                                   // --no-history
    std::optional<RadioKind> radioMet = std::nullopt;  // by the last radio job, if it met one
};

}  // namespace radioprog::cli
