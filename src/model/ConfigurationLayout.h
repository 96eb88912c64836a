#pragma once
// Where each configuration value lives in the file: shared by the reader and the writer, so
// that a key is spelled once.

#include <optional>
#include <string>

#include "model/Configuration.h"
#include "model/IniFile.h"

namespace radioprog::config_layout {

inline constexpr const char* kConfigSection = "config";
inline constexpr const char* kControlSection = "control";
inline constexpr const char* kBandSection = "Band";
inline constexpr const char* kLanguageSections[3] = {"chs", "cht", "eng"};
inline constexpr const char* kFilesSection = "Files";
inline constexpr const char* kViewSection = "View";
inline constexpr const char* kProgrammingSection = "Programming";
inline constexpr const char* kHistorySection = "History";
inline constexpr const char* kSheetSection = "Sheet";
// The hand-made port map: COM1 to COM9 = a device path.
inline constexpr const char* kPortsSection = "ports";
inline constexpr int kFirstConfigPort = 1;
inline constexpr int kConfigPortCount = 9;

inline std::string BandKey(int preset, const char* bound) {
    return "band-" + std::to_string(preset + 1) + " " + bound;
}

// Why the file is not ours to write, or nothing: it holds only our sections and keys, with
// comments and blank lines. No lines at all means a UTF-16 file, read but never written.
std::optional<std::string> WhyNotOurs(const std::optional<IniDocument>& lines);

// Writes every key: the file a first start (or a vanished file at exit) produces.
FileResult WriteFullFile(const std::string& path, const ConfigValues& config,
                         const BandLimits& band);

}  // namespace radioprog::config_layout
