#include <cstdlib>
#include <filesystem>

#include "history/RadioHistory.h"

namespace radioprog {

std::string_view HistoryJobName(HistoryJob job) {
    switch (job) {
        case HistoryJob::Read:
            return "read";
        case HistoryJob::CalibrationRead:
            return "calibration-read";
        case HistoryJob::Backup:
            return "backup";
        case HistoryJob::CalibrationBackup:
            return "calibration-backup";
    }
    return "read";
}

bool IsCalibrationJob(HistoryJob job) {
    return job == HistoryJob::CalibrationRead || job == HistoryJob::CalibrationBackup;
}

std::string DefaultHistoryFolder() {
    namespace fs = std::filesystem;
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = fs::path(home) / ".local" / "share";
    } else {
        // Without a home the temporary folder is the last resort, as for the configuration.
        std::error_code error;
        base = fs::temp_directory_path(error);
        if (error) {
            base = "/tmp";
        }
    }
    return (base / "radioprog" / "history").string();
}

HistorySettings HistorySettingsOf(const ConfigValues& config) {
    HistorySettings settings;
    settings.enabled = config.historyEnabled;
    settings.folder = config.historyFolder.empty() ? DefaultHistoryFolder() : config.historyFolder;
    // People write the folder as a shell would take it; no shell reads this file.
    const char* home = std::getenv("HOME");
    if (settings.folder.starts_with("~/") && home != nullptr && *home != '\0') {
        settings.folder = std::string(home) + settings.folder.substr(1);
    }
    settings.keep =
        config.historyKeep >= 1 ? static_cast<size_t>(config.historyKeep) : HistorySettings{}.keep;
    settings.keepRefused = config.historyKeepRefused;
    return settings;
}

HistoryTime LocalHistoryTime(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) {
        return {1970, 1, 1, 0, 0, 0};
    }
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace radioprog
