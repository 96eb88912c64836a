#pragma once
// What must never reach a radio, checked before a write starts, for every front end alike:
// band limits outside the radio's ranges, channels at frequencies it cannot hold, and a
// calibration record that is no calibration record. The first two are refused outright; the
// calibration record is refused unless the user says they mean it, and then written only
// after the radio's own calibration is kept in the history.

#include <optional>
#include <string>
#include <vector>

#include "jobs/RadioJobs.h"
#include "lang/AppLang.h"
#include "session/SessionState.h"

namespace radioprog {

struct WriteRefusal {
    enum class Kind { Band, Channels, Calibration };
    Kind kind = Kind::Band;
    BandLimits band;                      // Band: the limits the write would send
    std::vector<int> channels;            // Channels: those the radio cannot hold
    std::optional<uint8_t> singleByte;    // Calibration: every byte holds this
    std::vector<std::string> outOfRange;  // Calibration: the values outside their ranges
};

// Why the order must not send what state holds: its band or its channels. Nothing overrides
// this; the band dialog sets a band and the grid mends a channel.
std::optional<WriteRefusal> RefuseWrite(const JobOrder& order, const SessionState& state);

// For a write of the calibration record: why it is no calibration record, if it is not.
std::optional<WriteRefusal> DoubtCalibration(const JobOrder& order, const SessionState& state);

// Why, in the language; a calibration refusal names at most the first few values.
std::string WriteRefusalTextUtf8(const THaldenFuncs::TAppLang& lang, const WriteRefusal& refusal);

}  // namespace radioprog
