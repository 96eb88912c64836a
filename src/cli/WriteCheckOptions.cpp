#include "cli/WriteCheckOptions.h"

#include <iostream>

#include "cli/HistoryCommand.h"

namespace radioprog::cli {

void AddWriteCheckOptions(CLI::App* command, CheckedWriteOptions& options) {
    command->add_flag("--backup", options.backupFirst,
                      "Read the radio first and keep what it held in the history");
    command->add_flag("--verify", options.verifyAfter,
                      "Read the written areas back; exit 1 naming what differs, 4 when "
                      "the read-back cannot run");
}

bool RunSafeWrite(CliContext& context, const PortOptions& port, SessionMode writeMode,
                  const CheckedWriteOptions& checks, const std::string& projectFile) {
    if (checks.backupFirst && !HistorySettingsFor(context).enabled) {
        std::cerr << "--backup keeps the radio's contents in the history, which is turned off "
                     "(--no-history or Enabled=0 in [History]): nothing was written.\n";
        context.exitCode = kExitUsage;
        return false;
    }
    return RunRadioJob(context, port, {writeMode, false, checks, projectFile});
}

}  // namespace radioprog::cli
