#pragma once
// Texts of this tool's own that no table of the radio's programming windows has: captions of
// the band and access-code dialogs, the headings of file errors, the advice after a failed
// session, and the Cancel of our own questions. Kept in a table of their own, in the three
// languages, so the windows' TextIds stay as they are.
// "%1" marks where a value goes.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class ToolTextId : int {
    BandTitle,
    BandFrom,
    BandTo,
    NotANumber,
    CannotOpenFile,
    CannotSaveFile,
    PortUsed,
    PortsSearched,
    NoPortPresent,
    CheckRadioAndCable,
    CheckOtherProgram,
    DeviceMissing,
    DeviceNotSerial,
    DeviceInUse,
    DeviceNotAllowed,
    DeviceFailed,
    AccessCodePrompt,
    Cancel,     // on our own questions; the radio's own boxes keep their word
    MegaHertz,  // the unit beside a frequency field
    Count,      // not a text: how many there are
};

LocalisedTableSource ToolTextSource();
const LocalisedTable& ToolTextTable();
// The text in the current language, decoded to UTF-8 for the windows.
std::string ToolTextUtf8(const THaldenFuncs::TAppLang& lang, ToolTextId id);

}  // namespace radioprog
