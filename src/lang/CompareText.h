#pragma once
// Texts of the comparison of two projects (the window's view and its menu entries). Kept in a
// table of their own so that the main window's TextIds stay as they are. "%1" and "%2" mark
// where values go.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class CompareTextId : int {
    CompareWithFile,
    CompareWithRadio,
    Title,
    CurrentProject,
    FileSide,
    RadioSide,
    ShowIdentical,
    IdenticalChannel,
    IdenticalChannels,
    NotInUse,
    Differences,
    NoDifference,
    Setting,
    Close,
    // Where a difference lies, at the start of its line.
    PlaceBand,
    PlaceChannel,
    PlaceOption,
    PlaceSetting,
    PlaceAddrBook,
    // Stands for a password, which a comparison never shows.
    ValueHidden,
    // %1 the radio's kind, %2 the fields: a read of that radio says nothing of them.
    NotHeldByRadio,
    Count,  // not a text: how many there are
};

LocalisedTableSource CompareTextSource();
const LocalisedTable& CompareTextTable();
// The text in the current language, decoded to UTF-8 for the windows.
std::string CompareTextUtf8(const THaldenFuncs::TAppLang& lang, CompareTextId id);
// The same in a language the caller names (the command line's English).
std::string CompareTextUtf8(THaldenFuncs::TLangType language, CompareTextId id);

}  // namespace radioprog
