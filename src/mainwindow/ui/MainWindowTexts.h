#pragma once
// The main window's value texts, in the same form in every language.

#include <QString>

#include "model/BandLimits.h"
#include "model/LastWriteTime.h"

namespace radioprog::ui {

// "400.00000-480.00000": the working band's lower and upper limit.
QString FreqBandText(const BandLimits& band);
// "2024-3-7  9:05": the radio's last programming time, numbers without leading zeros but
// the minutes; "0-0-0  0:0" when the radio has none.
QString LastWriteTimeText(const LastWriteTime& time);

}  // namespace radioprog::ui
