#include "programminglog/WriteLogLine.h"

namespace radioprog {

namespace {

std::string OutcomeWord(SessionOutcome outcome) {
    switch (outcome) {
        // The write itself succeeded; the verify word says its read-back could not run.
        case SessionOutcome::Success:
        case SessionOutcome::WrittenUnverified:
            return "success";
        case SessionOutcome::VerifyFailed:
            return "verify-failed";
        case SessionOutcome::PasswordError:
            return "password-error";
        case SessionOutcome::OldVersion:
            return "old-version";
        case SessionOutcome::Closed:
            return "closed";
        case SessionOutcome::NotStarted:
        case SessionOutcome::Running:
        case SessionOutcome::CommunicationFalse:
            return "communication-false";
    }
    return "communication-false";
}

std::string VerifyWord(const CheckedWrite& write) {
    if (write.Outcome() == SessionOutcome::WrittenUnverified) {
        return "could-not-run";
    }
    if (!write.Verify().ran) {
        return "not-run";
    }
    return write.Verify().Agrees() ? "agreed" : "differs";
}

}  // namespace

std::string WriteJobName(SessionMode writeMode) {
    switch (writeMode) {
        case SessionMode::Calibration:
            return "calibration-write";
        case SessionMode::CalibrationAndData:
            return "write-all";
        case SessionMode::NewPassword:
            return "set-password";
        default:
            return "write";
    }
}

ProgrammingLogLine WriteLogLine(const CheckedWrite& write, const PortChoice& port,
                                const WriteLogContext& context) {
    ProgrammingLogLine line;
    line.time = std::chrono::system_clock::now();
    const int number = write.PortNumber().value_or(port.portNumber);
    line.port = "COM" + std::to_string(number);
    // A job that ended before its first port was opened never built the map.
    line.device =
        write.Port().map.PathOf(number).value_or(port.source.Build().PathOf(number).value_or(""));
    if (const auto kind = write.RadioMet()) {
        line.radioKind = std::string(RadioKindName(*kind));
    }
    line.job = context.job;
    line.result = OutcomeWord(write.Outcome());
    line.verify = VerifyWord(write);
    line.projectFile = context.projectFile;
    if (write.Sent()) {
        line.checksum = DataChecksum(write.WrittenBytes());
    }
    line.backupFile = context.backupFile;
    return line;
}

}  // namespace radioprog
