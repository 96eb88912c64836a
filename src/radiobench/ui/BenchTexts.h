#pragma once
// The bench window's words: its own table's texts, what a cable is doing now, and why a write
// failed, as a row shows them.

#include <QString>

#include "lang/AppLang.h"
#include "lang/BenchText.h"
#include "radiobench/BenchRowCycle.h"

namespace radioprog::ui {

class BenchRowHost;

QString BenchCaption(const THaldenFuncs::TAppLang& lang, BenchTextId id);

// Empty for a phase whose row shows its result instead.
QString PhaseText(const THaldenFuncs::TAppLang& lang, BenchPhase phase);

// Why the write that has just ended on host failed, and what it could not keep; empty when
// it succeeded and kept everything.
QString WriteOutcomeText(const THaldenFuncs::TAppLang& lang, const BenchRowHost& host);

}  // namespace radioprog::ui
