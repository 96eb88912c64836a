#pragma once
// Where a command's output (-o) goes. "-", /dev/stdout, /dev/stderr and /dev/fd/N name a
// descriptor the program already holds: the output is written to that descriptor as the
// shell handed it over, after what is already there and into a pipe as into a file.
// Opening such a name as a file would replace the file standard output was redirected to,
// losing what came before, and cannot work at all for a pipe. Any other name is a file,
// written whole or not at all by the atomic writer.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/CliContext.h"

namespace radioprog::cli {

// The descriptor an output name stands for, or nothing when it names a file.
std::optional<int> OutputDescriptor(const std::string& path);

// Whether the output can be written, checked before a job starts so that a radio is not read
// for an output that cannot be kept. On failure the reason is on standard error and the exit
// code set.
bool CheckOutput(const std::string& path, CliContext& context);

// Writes bytes to the output; a new file gets newFileMode when given. On failure the reason
// is on standard error and the exit code set.
bool WriteOutput(const std::string& path, std::string_view bytes, CliContext& context,
                 std::optional<mode_t> newFileMode = std::nullopt);
bool WriteOutput(const std::string& path, std::span<const uint8_t> bytes, CliContext& context,
                 std::optional<mode_t> newFileMode = std::nullopt);

}  // namespace radioprog::cli
