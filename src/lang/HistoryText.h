#pragma once
// Texts of the history of reads: the "Radio history..." window, its menu item and what the
// windows say about keeping a read. A table of its own in the three languages, like the
// tool's other texts. "%1" marks where a value goes.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class HistoryTextId : int {
    MenuItem,
    WindowTitle,
    Folder,
    Nothing,
    TimeColumn,
    KindColumn,
    JobColumn,
    BandColumn,
    ChannelsColumn,
    LastWriteColumn,
    JobRead,
    JobCalibrationRead,
    JobBackup,
    JobCalibrationBackup,
    KindLegacy,
    CalibrationPoints,
    Open,
    Close,
    OpenCalibrationTip,
    CannotKeep,
    LabelColumn,
    SearchHint,
    Dates,
    DatesTo,
    EditLabel,
    CannotLabel,
    Count,  // not a text: how many there are
};

LocalisedTableSource HistoryTextSource();
const LocalisedTable& HistoryTextTable();
// The text in the current language, decoded to UTF-8 for the windows.
std::string HistoryTextUtf8(const THaldenFuncs::TAppLang& lang, HistoryTextId id);

}  // namespace radioprog
