#pragma once
// Texts of the safety net around a write, in the three languages: the programming window's
// check boxes, the result of a read-back that differs, the backup that could not be kept and
// the writing of radio after radio, where the window writes and what it offers when no radio
// answers. "%1" marks where a value goes.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class WriteCheckTextId : int {
    BackupBeforeWrite,
    VerifyAfterWrite,
    VerifyFailed,
    DifferingPlaces,
    DifferingAddresses,
    BackupNotKept,
    WriteToNextRadio,
    RadiosWritten,
    PlaceSettings,
    PlacePassword,
    PlaceChannel,
    PlaceCalibration,
    StageBackup,
    StageWrite,
    StageVerify,
    WrittenUnverified,
    PortAutoSearch,
    RadioLastRead,
    Retry,
    WaitForRadio,
    WaitingForRadio,
    VerifySides,  // heads the fields of a failed verify
    Count,        // not a text: how many there are
};

LocalisedTableSource WriteCheckTextSource();
const LocalisedTable& WriteCheckTextTable();
std::string WriteCheckTextUtf8(const THaldenFuncs::TAppLang& lang, WriteCheckTextId id);

}  // namespace radioprog
