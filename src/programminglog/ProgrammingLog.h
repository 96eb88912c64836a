#pragma once
// The bench log: one line per write to a radio, from the window or the command line, kept as
// a CSV file that a spreadsheet opens. Lines are only ever appended; an existing line is never
// cut or rewritten, whatever happened to the program that wrote it.

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "model/FileResult.h"

namespace radioprog {

struct ProgrammingLogLine {
    std::chrono::system_clock::time_point time;
    std::string port;       // "COM3"
    std::string device;     // "/dev/ttyUSB0"
    std::string radioKind;  // "S", "Y", "legacy" or empty when no radio answered
    std::string job;        // "write", "calibration-write", "write-all", ...
    // "success", "communication-false", "password-error", "old-version", "closed"
    std::string result;
    std::string verify;       // "agreed", "differs", "not-run", "could-not-run"
    std::string projectFile;  // the file name the project came from, empty if unsaved
    std::string checksum;     // DataChecksum of the bytes written
    std::string backupFile;   // the backup kept before the write, empty if none
};

// The log's file in folder.
std::string ProgrammingLogPath(const std::string& folder);

// Appends line to the log in folder, with the header line first when the file is new. A
// missing folder is created (mode 0700, as are missing parents), a new log gets mode 0600.
// A log whose last line was cut short gets a line end first, so the new line stands alone.
// The line reaches the disk before this returns; two programs appending at once each add
// their whole line. A symbolic link in the log's place, or a file that does not start with
// the log's header, is left as it is and the line is refused. Failures name the folder or
// the file.
FileResult AppendProgrammingLog(const std::string& folder, const ProgrammingLogLine& line);

// CRC-32 (the one of zip and PNG) of bytes, as 8 lower-case hex digits: enough to tell which
// radios got the same data, and needs nothing beyond this file.
std::string DataChecksum(std::span<const uint8_t> bytes);

}  // namespace radioprog
