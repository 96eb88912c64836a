#include "cli/ExitCodes.h"

#include <array>
#include <cstdio>

#include "cli/CliContext.h"
#include "cli/CliSessionHost.h"

namespace radioprog::cli {

namespace {

// The session's own words are quoted, so a script's author can match them to what the
// desktop tool says.
constexpr std::array kExitCodes{
    ExitCodeMeaning{kExitSuccess, "Success; diff: the two sides hold the same."},
    ExitCodeMeaning{kExitCommunicationFalse,
                    "The radio did not answer as it should (\"Communication False\"), what was "
                    "read back differs from what was written, or diff: the two sides differ."},
    ExitCodeMeaning{kExitPasswordError, "The radio refused the password (\"Password Error\")."},
    ExitCodeMeaning{kExitOldVersion,
                    "A radio of the legacy kind was asked for a job it does not have (\"Device "
                    "is old version\")."},
    ExitCodeMeaning{kExitWrittenUnverified,
                    "Every block was written and acknowledged, but the read-back asked for with "
                    "--verify could not run: the radio is unverified."},
    ExitCodeMeaning{kExitUsage, "A wrong subcommand, option or argument."},
    ExitCodeMeaning{kExitDataError,
                    "A file that is not what it was given as (not a project file), a channel "
                    "list with a bad value, a project without channels to write, a band or a "
                    "channel the radio cannot hold, or a calibration record outside its ranges "
                    "without --force-calibration; nothing was written."},
    ExitCodeMeaning{kExitRadioDidNotAnswer,
                    "diff --device: the radio did not answer, so nothing was compared."},
    ExitCodeMeaning{kExitFileError, "A file that cannot be read or written."},
    ExitCodeMeaning{kExitSoftware, "An internal error."},
    ExitCodeMeaning{kExitOutputError,
                    "Standard output, or the descriptor an output names (-, /dev/stdout, "
                    "/dev/fd/N), cannot be written."},
    ExitCodeMeaning{kExitInterrupted, "Stopped by Ctrl-C or another signal (\"Stopped.\")."},
};

// The meanings stand in a column of their own, each continued line starting at that column
// too, which is how a manual page generator tells a list from running text.
constexpr size_t kMeaningColumn = 8;
constexpr size_t kLineWidth = 80;

void AppendWrapped(std::string_view meaning, std::string& text) {
    size_t column = kMeaningColumn;
    while (!meaning.empty()) {
        const size_t space = meaning.find(' ');
        const std::string_view word = meaning.substr(0, space);
        if (column > kMeaningColumn && column + 1 + word.size() > kLineWidth) {
            text.append("\n").append(kMeaningColumn, ' ');
            column = kMeaningColumn;
        } else if (column > kMeaningColumn) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
        meaning.remove_prefix(space == std::string_view::npos ? meaning.size() : space + 1);
    }
    text += '\n';
}

}  // namespace

std::span<const ExitCodeMeaning> ExitCodeTable() {
    return kExitCodes;
}

std::string ExitStatusHelp() {
    std::string text = "Exit status:\n";
    for (const ExitCodeMeaning& row : kExitCodes) {
        char code[16];
        std::snprintf(code, sizeof code, "  %-6d", row.code);
        text += code;
        AppendWrapped(row.meaning, text);
    }
    return text;
}

}  // namespace radioprog::cli
