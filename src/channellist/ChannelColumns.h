#pragma once
// The channel record as a row of texts: one column per field, the grid's columns first, then
// the fields the grid has no column for. Every text is the one the grid shows or its editors
// take, so a list written here reads back through the same parsers as a typed value.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "lang/AppLang.h"
#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

enum class ChannelColumn : int {
    Number,
    RxFreq,
    TxFreq,
    RxTone,
    TxTone,
    Power,
    Bandwidth,
    BusyLock,
    Name,
    ScanAdd,
    Dtmf,
    SquelchMode,
};
inline constexpr int kChannelColumnCount = 12;

// The English caption of a column, as the grid's header shows it.
std::string ColumnHeader(ChannelColumn column);
// The column a caption names in any of the three languages, ignoring case and blanks around.
std::optional<ChannelColumn> ColumnFromHeader(std::string_view caption);

// The text of one field of a channel in use; words (power, bandwidth, ...) in the given
// language, names decoded from the image's code page. The number column gives the number.
std::string ChannelFieldText(const ProjectImage& image, int channel, ChannelColumn column,
                             THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English);

// The texts of one row, by column; a column the row does not have is nullopt.
using ChannelRowCells = std::array<std::optional<std::string>, kChannelColumnCount>;

struct ChannelCellError {
    ChannelColumn column = ChannelColumn::Number;
    std::string why;
};

// Stores one row into channel n as the grid would store each typed value: frequencies
// clamped to the band and snapped to the raster, tones through the tone parser with the
// squelch-mode follow-up. An empty receive frequency clears the channel; a row for an unused
// channel without one leaves it unused. A cell that reads as what the channel already holds
// leaves the stored bytes alone, so values no text shows exactly survive a round trip. An
// empty word cell keeps the field, and so does an empty transmit frequency on a channel the
// row starts (it keeps the receive frequency); otherwise an empty transmit frequency is none. On an
// error the channel may be half written: callers work on a copy.
std::optional<ChannelCellError> StoreChannelRow(const ChannelRowCells& cells, int channel,
                                                ProjectImage& image, const BandLimits& band);

}  // namespace radioprog
