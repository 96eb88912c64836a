#pragma once
// Texts of the bench window, where several radios are written at once, one row a cable, in
// the three languages. "%1" and "%2" mark where a value goes.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class BenchTextId : int {
    MenuEntry,
    StartAll,
    StopAll,
    Automatic,
    Retry,
    Ready,
    WaitingForRemoval,
    Succeeded,
    Failed,
    StoppedMidWrite,
    RadioMet,
    NoRadioMet,
    RowTotals,
    BenchTotals,
    NoCables,
    CableGone,
    Count,  // not a text: how many there are
};

LocalisedTableSource BenchTextSource();
const LocalisedTable& BenchTextTable();
std::string BenchTextUtf8(const THaldenFuncs::TAppLang& lang, BenchTextId id);

}  // namespace radioprog
