#include "jobs/HistoryKeeping.h"

#include "history/HistoryKeep.h"

namespace radioprog {

FileResult KeepReadInHistory(const HistorySettings& settings, HistoryJob job, RadioKind kind,
                             const SessionState& state) {
    const HistoryRecord record{job, kind, state.lastWriteTime, std::nullopt};
    return IsCalibrationJob(job) ? KeepCalibrationInHistory(settings, record, state.calibration)
                                 : KeepProjectInHistory(settings, record, state.image, state.band);
}

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
