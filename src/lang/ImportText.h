#pragma once
// Texts of the window that chooses the rows of a channel list to import, and of what it says
// after the import. "%1" marks where a value goes.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class ImportTextId : int {
    RowCaption,
    FrequencyCaption,
    NameCaption,
    FitCaption,
    ChannelCaption,
    Fits,
    PlaceInOrder,
    ShortenNames,
    ReplaceOthers,
    ImportButton,
    Status,  // %1 rows ticked, %2 rows, %3 of the ticked that cannot be taken
    Took,    // %1 rows, %2 channels, %3 skipped
    FileOnlyFields,
    NoChannel,
    SkippedRows,
    Count,  // not a text: how many there are
};

LocalisedTableSource ImportTextSource();
const LocalisedTable& ImportTextTable();
std::string ImportTextUtf8(const THaldenFuncs::TAppLang& lang, ImportTextId id);

}  // namespace radioprog
