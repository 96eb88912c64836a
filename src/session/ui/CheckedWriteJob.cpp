#include "session/ui/CheckedWriteJob.h"

#include <memory>

#include "gui/UiText.h"
#include "history/BackupHistory.h"
#include "lang/WriteCheckText.h"
#include "programminglog/WriteLogLine.h"

namespace radioprog::ui {

ProgramJob CheckedWriteJob(GuiContext& context, QWidget* owner, int32_t writeMode,
                           const QString& caption, std::function<std::string()> projectFile,
                           std::function<void()> written) {
    ProgramJob job;
    job.sessionMode = writeMode;
    job.readRequested = false;
    job.caption = caption;
    job.safetyNet = true;
    // Shared by the job's two callbacks: the backup the write's log line names.
    auto backupFile = std::make_shared<std::string>();
    job.keepBackup = [&context, owner, backupFile](const BackupRead& backup) {
        const FileResult kept =
            KeepBackupInHistory(HistorySettingsOf(context.data.config), backup, backupFile.get());
        if (!kept) {
            context.Tell(owner, FromUtf8(WriteCheckTextUtf8(context.data.lang,
                                                            WriteCheckTextId::BackupNotKept)) +
                                    "\n\n" + FromUtf8(kept.message));
        }
        return kept.ok;
    };
    job.afterWrite = [&context, owner, writeMode, backupFile, projectFile = std::move(projectFile),
                      written = std::move(written)](const CheckedWrite& write) {
        const HistorySettings history = HistorySettingsOf(context.data.config);
        if (history.enabled) {
            const FileResult logged = AppendProgrammingLog(
                history.folder, WriteLogLine(write, context.data.port,
                                             {WriteJobName(writeMode),
                                              projectFile ? projectFile() : "", *backupFile}));
            if (!logged) {
                context.Tell(owner, FromUtf8(logged.message));
            }
        }
        backupFile->clear();
        if (write.Outcome() == SessionOutcome::Success && written) {
            written();
        }
    };
    return job;
}

}  // namespace radioprog::ui
