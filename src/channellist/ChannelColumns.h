#pragma once
// The channel record as a row of texts: one column per field, the grid's columns first, then
// the fields the grid has no column for. Every text is the one the grid shows or its editors
// take, so a list written here reads back through the same parsers as a typed value.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/AppLang.h"
#include "lang/TextIds.h"
#include "model/BandLimits.h"
#include "model/ProjectImage.h"
#include "model/ToneCodec.h"

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
// The channel's own fields: every column after the number, in the grid's order, named by
// text::kChannelFieldCaptions. The sheet, the comparison and the history's preview count and
// place them by these two alone.
inline constexpr int kChannelFieldCount = kChannelColumnCount - 1;
static_assert(text::kChannelFieldCaptions.size() == kChannelFieldCount);
constexpr ChannelColumn ChannelFieldColumn(int field) {
    return static_cast<ChannelColumn>(field + 1);
}

// The English caption of a column, as the grid's header shows it.
std::string ColumnHeader(ChannelColumn column);
// The column a caption names in any of the three languages, ignoring case and blanks around.
std::optional<ChannelColumn> ColumnFromHeader(std::string_view caption);

// The text of one field of a channel in use; words (power, bandwidth, ...) in the given
// language, names decoded from the image's code page. The number column gives the number.
std::string ChannelFieldText(const ProjectImage& image, int channel, ChannelColumn column,
                             THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English);

// Where a channel's name lies in the image.
BytesField ChannelNameField(int channel);

// The parsers behind every cell, shared by files and the clipboard. Cells are read without
// the blanks around them (names excepted, whose blanks are theirs).
std::string_view TrimmedCell(std::string_view text);
// Megahertz as the grid's frequency editor takes them; an empty transmit frequency is none (0).
std::optional<uint32_t> ParseFreqCell(ChannelColumn column, std::string_view text);
// A tone as the tone editor takes it: d, n and i typed small count as capitals, "off" as "Off".
std::optional<Tone> ParseToneCell(std::string_view text);
// A word of the column in any of the three languages, ignoring case, or the stored number.
std::optional<uint8_t> ParseWordCell(ChannelColumn column, std::string_view text);
// The English words of a word column, for messages.
std::string WordChoices(ChannelColumn column);
// The words of a word column in the given language, by stored value (index 0 is the word for 0).
std::vector<std::string> WordList(ChannelColumn column, THaldenFuncs::TLangType language);
// The stored value behind a word column, and storing one.
uint8_t WordValue(const ConstChannelRecord& ch, ChannelColumn column);
void SetWordValue(ChannelRecord& ch, ChannelColumn column, uint8_t value);

}  // namespace radioprog
