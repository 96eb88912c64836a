#pragma once
// What an import needs from a channel list format, row by row: the rows of the file, the
// channel each names, whether its values can be stored, and storing it into a given channel.
// Placing the rows and choosing which to take is the same for every format (ChannelListPlan).

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channellist/ChannelListPlan.h"
#include "channellist/TextTable.h"

namespace radioprog {

// The channel a row names (0 when it names none the radio has), and its cell: line, column,
// caption and value, with why it names none.
struct ListedChannel {
    int channel = 0;
    ChannelListError cell;
};

class ListRowReader {
  public:
    virtual ~ListRowReader() = default;
    ListRowReader() = default;
    ListRowReader(const ListRowReader&) = delete;
    ListRowReader& operator=(const ListRowReader&) = delete;

    // Reads the table and its header; a refusal of the whole file.
    virtual std::optional<ChannelListError> Open(std::string_view csv) = 0;
    // Data rows after the header, indexed from 0.
    virtual int RowCount() const = 0;
    virtual int Line(int index) const = 0;
    virtual bool Blank(int index) const = 0;
    // The frequency and name cells as written, for a chooser to show.
    virtual std::string FrequencyText(int index) const = 0;
    virtual std::string NameText(int index) const = 0;
    virtual ListedChannel Listed(int index) const = 0;
    // Whether the row's values can be stored, read against the base at the channel it names
    // (or a new channel when it names none). Called once per row before the others below.
    virtual std::optional<ChannelListError> Check(int index, const ProjectImage& base,
                                                  int listedChannel) = 0;
    // Checks over the rows about to be taken together (a list may hold two power levels).
    virtual std::map<int, ChannelListError> CheckTogether(std::span<const int> indexes) {
        static_cast<void>(indexes);
        return {};
    }
    // Stores the row into the channel, or refuses and leaves the image as it was.
    virtual std::optional<ChannelListError> Store(int index, int channel, ProjectImage& image) = 0;
    virtual bool NameShortened(int index) const {
        static_cast<void>(index);
        return false;
    }
    // What to say about the taken rows beside their count.
    virtual std::vector<std::string> Notes(std::span<const int> taken) const = 0;
};

// The cells of a list file, for a reader's Open: refused when larger than any list or not a
// table; what the header row means is the reader's business.
std::optional<ChannelListError> ReadListCells(std::string_view csv, TextTableParse& table);

// Reads, places and stores the rows of a list of the reader's format (PlanChannelListImport
// picks the reader by the header).
ChannelListPlan PlanWithReader(ListRowReader& reader, std::string_view csv,
                               const ProjectImage& base, const ChannelListChoice& choice);

// Our own lists, whose rows name their channel in the number column.
std::unique_ptr<ListRowReader> OwnListRowReader(const BandLimits& band);
// Multi-radio lists, whose rows name their channel in the Location column.
std::unique_ptr<ListRowReader> ChirpListRowReader(const BandLimits& band, bool shortenNames);

}  // namespace radioprog
