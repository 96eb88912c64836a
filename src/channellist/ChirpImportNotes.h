#pragma once
// The summary of a multi-radio list import: what the file did not say and what the radio
// cannot keep, each said once beside the rows stored. Every sentence of it is made here, so
// that each front end says the same and later choices (which rows to take) can add theirs.

#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "channellist/ChirpLayout.h"
#include "channellist/ChirpTones.h"

namespace radioprog {

struct ChirpImportTally {
    int rows = 0;
    std::bitset<kChirpColumnCount> columns;  // the columns the file has
    // Rows read with a stand-in for a tone field the file has no column for.
    std::array<int, kChirpToneFieldCount> standIns{};
    int withoutPower = 0;  // rows that name no power
    int comments = 0;      // rows whose comment was left behind
    int digitalVoice = 0;  // rows whose digital voice values were left behind
    int namesShortened = 0;
};

// One sentence per thing to say, in a fixed order; nothing when no row was stored.
std::vector<std::string> ChirpImportNotes(const ChirpImportTally& tally);

}  // namespace radioprog
