#pragma once
// One row of a multi-radio channel list as the import reads it, and how a row that passed
// every check is written into the project.

#include <cstdint>
#include <string>

#include "channellist/ChirpTones.h"
#include "channellist/TextTable.h"
#include "model/ProjectImage.h"

namespace radioprog {

// A power cell: a word for one of our two levels, or watts to be ranked among the file's.
struct PowerCell {
    enum class Kind { Unstated, High, Low, Watts } kind = Kind::Unstated;
    uint64_t milliwatts = 0;
};

struct ChirpRow {
    const TextTableRow* text = nullptr;
    int channel = 0;
    uint32_t rx = 0;
    uint32_t tx = 0;
    ChirpTones tones;
    bool wide = true;
    bool scanAdd = true;
    PowerCell power;
    std::string name;  // in the radio's code page
    bool nameShortened = false;
    bool commentLeftBehind = false;
    bool digitalVoiceLeftBehind = false;
};

// Writes only what differs, so that bytes no field of the format shows (a leftover code
// behind "no tone", the bytes after a name's end) stay as they were; a channel the row creates
// takes the row's tones, "no tone" as the tone parser stores "Off". The name is written only
// when the list has a Name column.
void StoreChirpRow(const ChirpRow& row, bool listHasNames, ProjectImage& image);

}  // namespace radioprog
