#pragma once
// Texts of a write that is refused before anything reaches the radio, in the three languages:
// a band or channels the radio cannot take, and a calibration record with values outside
// their ranges (which a user may still write, after a backup). "%1" marks where a value goes.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class WriteRefusalTextId : int {
    BandRefused,
    ChannelsRefused,
    CalibrationRefused,
    CalibrationOneByte,
    CalibrationAnyway,
    Count,  // not a text: how many there are
};

LocalisedTableSource WriteRefusalTextSource();
const LocalisedTable& WriteRefusalTextTable();
std::string WriteRefusalTextUtf8(const THaldenFuncs::TAppLang& lang, WriteRefusalTextId id);

}  // namespace radioprog
