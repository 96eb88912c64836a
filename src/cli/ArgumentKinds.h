#pragma once
// What a file argument holds, shown as the name of its value in --help ("file PROJECT"): the
// reader sees what to give, and a check of every command knows what each argument takes.

namespace radioprog::cli {

inline constexpr const char* kProjectArgument = "PROJECT";          // a project file to read
inline constexpr const char* kCalibrationArgument = "CALIBRATION";  // a calibration file
inline constexpr const char* kChannelListArgument = "LIST";         // a CSV list (- for stdin)
inline constexpr const char* kOutputArgument = "OUTPUT";  // a file, or - for standard output

}  // namespace radioprog::cli
