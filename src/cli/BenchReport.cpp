#include "cli/BenchReport.h"

#include <algorithm>
#include <sstream>

#include "cli/CliContext.h"
#include "cli/CliSessionHost.h"
#include "cli/ExitCodes.h"
#include "jobs/VerifyFailureText.h"
#include "lang/WriteCheckText.h"

namespace radioprog::cli {

namespace {

std::string VerifyWord(BenchVerify verify) {
    switch (verify) {
        case BenchVerify::Agreed:
            return "agreed";
        case BenchVerify::Differs:
            return "differs";
        case BenchVerify::CouldNotRun:
            return "could-not-run";
        case BenchVerify::NotReached:
            return "not-reached";
        case BenchVerify::NotAsked:
            break;
    }
    return "-";
}

std::string KindWord(const BenchResult& result) {
    return result.radio ? std::string(RadioKindName(*result.radio)) : "-";
}

std::string BackupWord(const BenchResult& result) {
    std::string text;
    for (const std::string& backup : result.backups) {
        text += (text.empty() ? "" : "; ") + backup;
    }
    return text.empty() ? "-" : text;
}

std::string Padded(const std::string& text, size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// Where a code stands in the exit code table; a code not in it goes last.
size_t TableRank(int code) {
    const auto table = ExitCodeTable();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [code](const ExitCodeMeaning& m) { return m.code == code; });
    return static_cast<size_t>(row - table.begin());
}

}  // namespace

void CliBenchPresenter::Say(size_t radio, const std::string& text) {
    std::string marked;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        marked += devices_[radio] + ": " + line + "\n";
    }
    err_ << marked << std::flush;
}

void CliBenchPresenter::VerifyFailed(size_t radio, const VerifyReport& report) {
    Say(radio, VerifyFailureTextUtf8(English(), report));
}

void CliBenchPresenter::VerifyNotRun(size_t radio, SessionMessage why) {
    Say(radio, SessionMessageText(why) + "\n" +
                   WriteCheckTextUtf8(English(), WriteCheckTextId::WrittenUnverified));
}

void CliBenchPresenter::Told(size_t radio, const JobNote& note) {
    switch (note.kind) {
        case JobNoteKind::ReadNotKept:
        case JobNoteKind::KeptWithNotice:
        case JobNoteKind::LogNotWritten:
            Say(radio, "Warning: " + note.detail);
            break;
        case JobNoteKind::BackupKept:
            Say(radio, "Backup: " + note.detail);
            break;
        case JobNoteKind::BackupNotKept:
            Say(radio, note.detail + "\n" +
                           WriteCheckTextUtf8(English(), WriteCheckTextId::BackupNotKept));
            break;
    }
}

void CliBenchPresenter::PortMended(size_t radio, const std::string& what) {
    Say(radio, "Note: " + what);
}

void CliBenchPresenter::Finished(size_t radio) {
    if (radio >= jobs_.size()) {
        return;
    }
    const BenchResult& result = jobs_[radio]->Result();
    if (result.portFailure.error != PortError::None) {
        Say(radio, result.portFailure.message);
    }
    std::string line = devices_[radio] + ": " + BenchResultWord(result);
    if (result.radio) {
        line += ", radio " + KindWord(result);
    }
    if (result.verify != BenchVerify::NotAsked) {
        line += ", verify " + VerifyWord(result.verify);
    }
    out_ << line << "\n" << std::flush;
}

std::string BenchResultWord(const BenchResult& result) {
    if (result.backupRefused) {
        return "backup-not-kept";
    }
    switch (result.outcome) {
        case SessionOutcome::Success:
            return "success";
        case SessionOutcome::VerifyFailed:
            return "verify-failed";
        case SessionOutcome::WrittenUnverified:
            return "written-unverified";
        case SessionOutcome::PasswordError:
            return "password-error";
        case SessionOutcome::OldVersion:
            return "old-version";
        case SessionOutcome::Closed:
            if (result.leftHalfWritten) {
                return "stopped-half-written";
            }
            return result.written ? "stopped-unverified" : "stopped";
        case SessionOutcome::NotStarted:
        case SessionOutcome::Running:
        case SessionOutcome::CommunicationFalse:
            break;
    }
    if (result.portFailure.error != PortError::None) {
        return "port-failed";
    }
    return result.leftHalfWritten ? "communication-false-half-written" : "communication-false";
}

std::string BenchTable(const std::vector<const BenchJob*>& jobs) {
    std::vector<std::vector<std::string>> rows = {
        {"device", "radio", "result", "verify", "backup"}};
    for (const BenchJob* job : jobs) {
        const BenchResult& result = job->Result();
        rows.push_back({job->Device(), KindWord(result), BenchResultWord(result),
                        VerifyWord(result.verify), BackupWord(result)});
    }
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string table;
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += c + 1 < row.size() ? Padded(row[c], widths[c] + 2) : row[c];
        }
        table += line + "\n";
    }
    return table;
}

std::string StopSummary(const std::vector<const BenchJob*>& jobs) {
    std::string finished, halfWritten, unverified, untouched;
    for (const BenchJob* job : jobs) {
        const BenchResult& result = job->Result();
        if (result.outcome != SessionOutcome::Closed) {
            finished += "  " + job->Device() + " (" + BenchResultWord(result) + ")\n";
        } else if (result.written) {
            unverified += "  " + job->Device() + " (backup: " + BackupWord(result) + ")\n";
        } else if (result.leftHalfWritten) {
            halfWritten += "  " + job->Device() + " (backup: " + BackupWord(result) + ")\n";
        } else {
            untouched += "  " + job->Device() + "\n";
        }
    }
    std::string text = "Stopped.\n";
    const auto section = [&text](const char* title, const std::string& lines) {
        if (!lines.empty()) {
            text += std::string(title) + "\n" + lines;
        }
    };
    section("Finished before the stop:", finished);
    section(
        "Left half-written, stopped during the write (write the backup back, or the radio again):",
        halfWritten);
    section("Written, stopped before its read-back ended:", unverified);
    section("Stopped before anything was written:", untouched);
    return text;
}

int BenchExitCode(const BenchResult& result) {
    return result.backupRefused ? kExitFileError : ExitCodeOf(result.outcome);
}

int BenchExitCode(const std::vector<BenchResult>& results) {
    int code = kExitSuccess;
    for (const BenchResult& result : results) {
        const int own = BenchExitCode(result);
        if (own != kExitSuccess && (code == kExitSuccess || TableRank(own) < TableRank(code))) {
            code = own;
        }
    }
    return code;
}

}  // namespace radioprog::cli
