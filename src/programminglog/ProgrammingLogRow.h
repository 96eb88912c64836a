#pragma once
// The log's lines as text: the header and one row per write, comma-separated with CRLF line
// ends as RFC 4180 has them, in UTF-8 that any reader takes.

#include <chrono>
#include <string>

#include "programminglog/ProgrammingLog.h"

namespace radioprog {

inline constexpr std::string_view kProgrammingLogLineEnd = "\r\n";

// The header line, line end included.
std::string ProgrammingLogHeader();

// One row, line end included.
std::string FormatProgrammingLogRow(const ProgrammingLogLine& line);

// Local time as ISO 8601 with the offset from UTC: 2026-03-14T09:26:53+01:00.
std::string LocalIsoTime(std::chrono::system_clock::time_point time);

}  // namespace radioprog
