#include "history/ui/HistoryTexts.h"

#include "gui/UiText.h"

namespace radioprog::ui {

QString HistoryUiText(const THaldenFuncs::TAppLang& lang, HistoryTextId id) {
    return FromUtf8(HistoryTextUtf8(lang, id));
}

QString KindText(const THaldenFuncs::TAppLang& lang, RadioKind kind) {
    // S and Y are the letters the radios answer with, the same in every language.
    return kind == RadioKind::Legacy ? HistoryUiText(lang, HistoryTextId::KindLegacy)
                                     : FromUtf8(std::string(RadioKindName(kind)));
}

QString JobText(const THaldenFuncs::TAppLang& lang, HistoryJob job) {
    switch (job) {
        case HistoryJob::Read:
            return HistoryUiText(lang, HistoryTextId::JobRead);
        case HistoryJob::CalibrationRead:
            return HistoryUiText(lang, HistoryTextId::JobCalibrationRead);
        case HistoryJob::Backup:
            return HistoryUiText(lang, HistoryTextId::JobBackup);
        case HistoryJob::CalibrationBackup:
            return HistoryUiText(lang, HistoryTextId::JobCalibrationBackup);
    }
    return {};
}

}  // namespace radioprog::ui
