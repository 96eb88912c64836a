#pragma once
// What a channel list in CSV and a paste of channels share: which column of the text holds
// which field, the rows to store, and an error that names the line, column and value.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "channellist/ChannelRowStore.h"
#include "channellist/TextTable.h"

namespace radioprog {

// What the user can ask for that would take a list a refusal stopped: its rows placed in
// order from channel 1, or its long names cut. Most refusals have none.
enum class ListRemedy { None, Renumber, ShortenNames };

struct ChannelListError {
    int line = 0;
    int column = 0;       // from 1, as the text has it
    std::string caption;  // the column's caption, when the column is known
    int channel = 0;      // the channel the row was stored into, when it got that far
    std::string value;
    std::string why;
    ListRemedy remedy = ListRemedy::None;

    // "line 3, column 2 (RX Freq.), channel 5: "abc" is not a frequency in MHz, like ..."
    std::string Message() const;
};

struct ChannelListResult {
    bool ok = true;
    ChannelListError error;
    // Every refusal of an import that looks at all rows, in file order; error is the first.
    std::vector<ChannelListError> errors;
    int rows = 0;  // how many rows were stored
    // What the summary says beside the rows: defaults taken, values the radio cannot keep.
    std::vector<std::string> notes;
    explicit operator bool() const { return ok; }
};

ChannelListResult ListError(int line, int column, std::string why, std::string value = {});

// Every column, in order: the layout of a channel list file.
std::span<const ChannelColumn> AllColumns();

// Where each field sits in the rows of a text: the position from 0, or -1 when it is absent.
struct ColumnLayout {
    std::array<int, kChannelColumnCount> position;
    int width = 0;  // how many cells a row has
};

// The layout that a row of captions names; an unknown or repeated caption is an error.
ChannelListResult ReadColumnLayout(const TextTableRow& captions, ColumnLayout& layout);

// The given columns in order, from position 0.
ColumnLayout LayoutOf(std::span<const ChannelColumn> columns);

// A row to store into one channel.
struct ChannelListRow {
    const TextTableRow* text = nullptr;
    int channel = 0;
};

// The cells of a row by column, as the layout places them; a column the row lacks is nullopt.
ChannelRowCells CellsOf(const TextTableRow& row, const ColumnLayout& layout);

// A refusal of a row's cell that names the cell's line, column, caption, channel and value.
ChannelListError CellRefusal(const TextTableRow& row, const ColumnLayout& layout, int channel,
                             const ChannelCellError& error);

// Stores every row into its channel, all or nothing: on an error the image is as it was.
ChannelListResult StoreChannelRows(std::span<const ChannelListRow> rows, const ColumnLayout& layout,
                                   ProjectImage& image, const BandLimits& band,
                                   TonesOutsideTheList outside = TonesOutsideTheList::Refuse,
                                   ControlsInNames controls = ControlsInNames::Refuse);

}  // namespace radioprog
