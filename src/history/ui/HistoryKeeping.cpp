#include "history/ui/HistoryKeeping.h"

#include "gui/UiText.h"
#include "history/ui/HistoryTexts.h"

namespace radioprog::ui {

void KeepReadInHistory(GuiContext& context, QWidget* owner, HistoryJob job, RadioKind kind,
                       const SessionData& read) {
    const AppData& data = context.data;
    const HistorySettings settings = HistorySettingsOf(data.config);
    const HistoryRecord record{job, kind, read.lastWriteTime, std::nullopt};
    const FileResult kept = IsCalibrationJob(job)
                                ? KeepCalibrationInHistory(settings, record, read.calibration)
                                : KeepProjectInHistory(settings, record, read.image, read.band);
    if (!kept) {
        context.Tell(owner, HistoryUiText(data.lang, HistoryTextId::CannotKeep) +
                                QLatin1Char('\n') + FromUtf8(kept.message));
    } else if (!kept.notice.empty()) {
        context.Tell(owner, FromUtf8(kept.notice));
    }
}

}  // namespace radioprog::ui
