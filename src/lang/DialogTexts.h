#pragma once
// The dialogs' own small text tables. Each lookup returns the entry in the current language,
// converted for display like LangText; an index outside the table gives an empty text. The
// lookups take the row's number, which the ids below name.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

// Programming dialog. The session's messages are its rows 2, 3, 4 and 7.
enum class SessionTextId : int {
    Start,
    Cancel,
    CommunicationFalse,
    Success,
    PasswordError,
    Unused5,  // empty
    Unused6,  // empty
    OldVersion,
    Count,  // not a text: how many there are
};
LocalisedTableSource SessionTextSource();
const LocalisedTable& SessionTextTable();
std::string SessionText(const THaldenFuncs::TAppLang& lang, int index);

// Port dialog.
enum class PortDialogTextId : int {
    Ok,
    Cancel,
    AutoSeachPort,
    Count,  // not a text: how many there are
};
LocalisedTableSource PortDialogTextSource();
const LocalisedTable& PortDialogTextTable();
std::string PortDialogText(const THaldenFuncs::TAppLang& lang, int index);

// Calibration dialog: OK, Cancel, OpenFile, SaveFile and the clear-all question are shown;
// the rest are kept for the dialog's other captions.
enum class AdjustmentTextId : int {
    Ok,
    Cancel,
    New,
    Open,
    Save,
    Write,
    Read,
    Assistant,
    SetAllCtcss,
    Frequency1,
    Frequency2,
    Frequency3,
    Frequency4,
    Frequency5,
    Frequency6,
    Frequency7,
    Frequency8,
    Frequency9,
    Frequency10,
    MultipleAdjustment,
    SingleAdjustment,
    ExpectationValue,
    OpenFile,
    SaveFile,
    ClearAllQuestion,
    ApcTune,
    Apc,
    Tune,
    Count,  // not a text: how many there are
};
LocalisedTableSource AdjustmentTextSource();
const LocalisedTable& AdjustmentTextTable();
std::string AdjustmentText(const THaldenFuncs::TAppLang& lang, int index);

// The shared message box: its one entry is the OK button's caption.
enum class UserWarnDlgTextId : int {
    Ok,
    Count,  // not a text: how many there are
};
LocalisedTableSource UserWarnDlgTextSource();
const LocalisedTable& UserWarnDlgTextTable();
std::string UserWarnDlgText(const THaldenFuncs::TAppLang& lang, int index = 0);

}  // namespace radioprog
