#include "history/BackupHistory.h"

namespace radioprog {

FileResult KeepBackupInHistory(const HistorySettings& settings, const BackupRead& backup,
                               std::string* keptPath) {
    const SessionState& radio = backup.radio;
    if (backup.calibration) {
        return KeepCalibrationInHistory(
            settings, {HistoryJob::CalibrationBackup, backup.kind, {}, std::nullopt},
            radio.calibration, keptPath);
    }
    return KeepProjectInHistory(
        settings, {HistoryJob::Backup, backup.kind, radio.lastWriteTime, std::nullopt}, radio.image,
        radio.band, keptPath);
}

}  // namespace radioprog
