#include "cli/CheckedWriteJob.h"

#include <iostream>

#include "cli/HistoryCommand.h"
#include "compare/DifferenceLines.h"
#include "compare/VerifyDifferences.h"
#include "history/BackupHistory.h"
#include "programminglog/WriteLogLine.h"
#include "session/CheckedWrite.h"

namespace radioprog::cli {

namespace {

void PrintVerifyFailure(const VerifyReport& report) {
    std::cerr << "Verify failed: the radio does not hold what was written.\n";
    std::cerr << "Differs: ";
    const std::vector<MemoryPlace> places = report.Places();
    for (size_t i = 0; i < places.size(); ++i) {
        std::cerr << (i > 0 ? ", " : "") << PlaceText(places[i]);
    }
    std::cerr << "\nAddresses: " << AddressRanges(report.differingAddresses) << "\n";
    std::cerr << DifferenceLines(VerifyDifferences(report)) << std::flush;
}

}  // namespace

void AddWriteCheckOptions(CLI::App* command, WriteCheckOptions& options) {
    command->add_flag("--backup", options.backup,
                      "Read the radio first and keep what it held in the history");
    command->add_flag("--verify", options.verify,
                      "Read the written areas back; exit 1 naming what differs");
}

bool RunCheckedWrite(CliContext& context, const PortOptions& port, int32_t writeMode,
                     const WriteCheckOptions& checks, const std::string& projectFile) {
    const HistorySettings history = HistorySettingsFor(context);
    if (checks.backup && !history.enabled) {
        std::cerr << "--backup keeps the radio's contents in the history, which is turned off "
                     "(--no-history or Enabled=0 in [History]): nothing was written.\n";
        context.exitCode = kExitUsage;
        return false;
    }
    std::string backupFile;
    bool backupRefused = false;
    const auto make = [&](SessionData data, SerialPort& line, SessionHost& host) {
        auto write = std::make_unique<CheckedWrite>(
            data, line, host, writeMode, CheckedWriteOptions{checks.backup, checks.verify});
        write->KeepBackup = [&](const BackupRead& backup) {
            const FileResult kept = KeepBackupInHistory(history, backup, &backupFile);
            if (!kept) {
                std::cerr << kept.message
                          << "\nThe backup could not be kept: nothing was written.\n";
                backupRefused = true;
            } else if (!backupFile.empty()) {
                std::cerr << "Backup: " << backupFile << "\n";
            }
            return kept.ok;
        };
        write->ShowVerifyFailure = PrintVerifyFailure;
        return write;
    };
    const auto log = [&](SessionDriver& ended) {
        if (!history.enabled) {
            return;
        }
        const auto& write = static_cast<const CheckedWrite&>(ended);
        const FileResult logged = AppendProgrammingLog(
            history.folder, WriteLogLine(write, context.data.port,
                                         {WriteJobName(writeMode), projectFile, backupFile}));
        if (!logged) {
            std::cerr << "Warning: " << logged.message << "\n";
        }
    };
    const bool written = RunDriver(context, port, make, log);
    if (backupRefused) {
        context.exitCode = kExitFileError;
    }
    return written;
}

}  // namespace radioprog::cli
