#pragma once
// The history's texts for widgets, in the current language.

#include <QString>

#include "history/RadioHistory.h"
#include "lang/HistoryText.h"

namespace radioprog::ui {

QString HistoryUiText(const THaldenFuncs::TAppLang& lang, HistoryTextId id);
QString KindText(const THaldenFuncs::TAppLang& lang, RadioKind kind);
QString JobText(const THaldenFuncs::TAppLang& lang, HistoryJob job);

}  // namespace radioprog::ui
