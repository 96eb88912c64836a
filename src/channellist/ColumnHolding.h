#pragma once
// Which radios hold the fields of each channel column. A read from any other radio leaves
// those fields as the project had them and a write does not send them: for such a radio they
// live in the project file only. The grid, the sheet and the comparison all take it from here.

#include <cstdint>

#include "channellist/ChannelColumns.h"

namespace radioprog {

// The radios whose read brings a field; any other keeps what the project held before.
enum RadioHolding : uint8_t {
    kHeldByNoRadio = 0,
    kHeldByCurrent = 1,
    kHeldByLegacy = 2,
    kHeldByEveryRadio = kHeldByCurrent | kHeldByLegacy,
};

// The current map carries frequencies, tones, power, bandwidth, busy lock and the scan list;
// the legacy record carries its flag bytes whole, squelch mode and DTMF bit among them. No
// radio carries a name.
constexpr uint8_t ColumnHeldBy(ChannelColumn column) {
    switch (column) {
        case ChannelColumn::Name:
            return kHeldByNoRadio;
        case ChannelColumn::Dtmf:
        case ChannelColumn::SquelchMode:
            return kHeldByLegacy;
        default:
            return kHeldByEveryRadio;
    }
}

// A column whose fields the radios programmed today (the current kinds) do not hold: what the
// user sets there stays in the project file.
constexpr bool IsFileOnlyColumn(ChannelColumn column) {
    return (ColumnHeldBy(column) & kHeldByCurrent) == 0;
}

}  // namespace radioprog
