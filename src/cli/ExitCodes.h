#pragma once
// The exit codes of radioprog-cli and what each means: one row per kind of failure, the same
// for every command. --help and the manual page print this table.

#include <span>
#include <string>
#include <string_view>

namespace radioprog::cli {

struct ExitCodeMeaning {
    int code;
    std::string_view meaning;
};

std::span<const ExitCodeMeaning> ExitCodeTable();

// The table as --help closes with it: an "Exit status:" heading, then one code to a line.
std::string ExitStatusHelp();

}  // namespace radioprog::cli
