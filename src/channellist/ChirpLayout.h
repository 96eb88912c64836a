#pragma once
// The columns of a multi-radio channel list as its header names them: which column holds which
// field, which columns this radio has no field for, and refusals that name a row's cell by line,
// column, caption and channel.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "channellist/ChannelList.h"
#include "channellist/ChirpRow.h"

namespace radioprog {

enum class ChirpColumn : int {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
};
inline constexpr int kChirpColumnCount = 21;

// The column's caption as the format spells it.
std::string_view ChirpCaption(ChirpColumn column);

// The column of each tone field.
constexpr ChirpColumn ChirpToneColumn(ChirpToneField field) {
    constexpr ChirpColumn columns[kChirpToneFieldCount] = {
        ChirpColumn::Tone,      ChirpColumn::RToneFreq,    ChirpColumn::CToneFreq,
        ChirpColumn::DtcsCode,  ChirpColumn::DtcsPolarity, ChirpColumn::RxDtcsCode,
        ChirpColumn::CrossMode,
    };
    return columns[static_cast<int>(field)];
}

class ChirpLayout {
  public:
    // Reads the header row; a column named twice is refused.
    ChannelListResult Read(const TextTableRow& header);

    bool Has(ChirpColumn column) const { return Position(column) >= 0; }
    // How many cells every row must have.
    int Width() const { return width_; }
    // Positions of the columns no field of the format stands behind.
    const std::vector<int>& Unknown() const { return unknown_; }

    // The row's cell of the column, or nothing when the list has no such column.
    const std::string* Cell(const ChirpRow& row, ChirpColumn column) const;
    // The cell without the blanks around it; empty when the column is missing.
    std::string_view Text(const ChirpRow& row, ChirpColumn column) const;
    // A refusal of the row's cell of the column, naming the row's channel.
    ChannelListResult Error(const ChirpRow& row, ChirpColumn column, std::string why) const;

  private:
    int Position(ChirpColumn column) const { return position_[static_cast<size_t>(column)]; }

    std::array<int, kChirpColumnCount> position_{};
    std::vector<int> unknown_;
    int width_ = 0;
};

}  // namespace radioprog
