#pragma once
// Tone modes of the multi-radio CSV format and our two tones. The format keeps one tone mode
// per channel and up to five values (the transmitted CTCSS tone, the squelch CTCSS tone, the
// transmitted and the received DCS code, their two polarities); the mode says which of them
// the radio uses for transmitting and for receiving. We keep a receive and a transmit tone.

#include <optional>
#include <string>
#include <string_view>

#include "model/ToneCodec.h"

namespace radioprog {

// The tone fields of one row, in the format's own order.
enum class ChirpToneField { Mode, TxCtcss, RxCtcss, TxDcs, Polarity, RxDcs, CrossMode };
inline constexpr int kChirpToneFieldCount = 7;

// The texts of a row's tone fields; a field the file has no column for is nullopt.
struct ChirpToneCells {
    std::optional<std::string> cells[kChirpToneFieldCount];
    const std::optional<std::string>& operator[](ChirpToneField field) const {
        return cells[static_cast<int>(field)];
    }
};

struct ChirpToneError {
    ChirpToneField field = ChirpToneField::Mode;
    std::string why;
};

struct ChirpTones {
    Tone rx;
    Tone tx;
    // The fields this row was read with although the file has no column for them (bit per
    // ChirpToneField): what a summary says was assumed.
    unsigned stoodIn = 0;
};

// What a field reads as when the file has no column for it, as the format's readers take it:
// the field that carries the same kind of value (older files and hand-made lists keep one
// CTCSS column and one DCS code), else the format's default.
struct ChirpToneStandIn {
    std::optional<ChirpToneField> other;
    std::string_view text;
};
ChirpToneStandIn ChirpToneDefault(ChirpToneField field);

// The receive and transmit tones a row's mode defines, from the fields that mode uses (the
// others are not looked at); a missing field reads as its stand-in. A tone outside the radio's
// CTCSS or DCS list, or a mode the radio cannot hold (squelch that mutes on the tone), is an
// error naming the field.
std::optional<ChirpToneError> ReadChirpTones(const ChirpToneCells& cells, ChirpTones& tones);

// The fields that describe the tones, with the format's usual values in the fields the mode
// does not use. Both squelch CTCSS fields carry the tone of a TSQL channel, so that a reader
// that takes either one gets it.
struct ChirpToneTexts {
    std::string fields[kChirpToneFieldCount];
};
ChirpToneTexts WriteChirpTones(Tone rx, Tone tx);

}  // namespace radioprog
