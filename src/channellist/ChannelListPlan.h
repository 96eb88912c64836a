#pragma once
// What an import of a channel list would do, row by row, before anything is stored: each data
// row of the file with the channel it goes to, or why it cannot be taken, and the project that
// taking the chosen rows gives. The command line and the window's chooser both work from it,
// so that they take the same rows into the same channels and say the same about the rest.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channellist/ChannelList.h"

namespace radioprog {

enum class ChannelListFormat { Own, Chirp };

// Which rows to take and how to place them.
struct ChannelListChoice {
    // Place the rows in file order from channel 1 instead of at the channel each one names.
    bool renumber = false;
    // Cut a multi-radio list's name longer than the radio's 6 bytes instead of refusing it.
    bool shortenNames = false;
    // Take the rows that fit and leave out the others, instead of refusing the whole file.
    // Rows that fit but name no channel the radio has go to the free channels.
    bool skipUnfit = false;
    // Clear the channels no taken row fills, instead of keeping them from the base project.
    bool replace = false;
    // The rows to consider, counted from 1 after the header, in any order; none: every row.
    std::optional<std::vector<int>> rows;
    // Channels given to rows by hand (row -> channel), over where the file or renumber puts them.
    std::map<int, int> channelOfRow;
};

enum class RowFate {
    Taken,
    Refused,    // chosen, but it cannot be taken
    NotChosen,  // left out by the choice of rows
    Blank,      // a row of empty cells, which spreadsheets leave behind
};

struct ListRowPlan {
    int row = 0;   // from 1 after the header
    int line = 0;  // where the row starts in the file
    RowFate fate = RowFate::NotChosen;
    int channel = 0;  // the channel it goes to (or would, when refused); 0 when it has none
    std::optional<ChannelListError> refusal;
    // The row's frequency and name as the file writes them, for a chooser to show.
    std::string frequency;
    std::string name;
    bool nameShortened = false;
};

struct ChannelListPlan {
    ChannelListFormat format = ChannelListFormat::Own;
    // The file as a whole cannot be read (not a table, a bad header, too large): no rows.
    std::optional<ChannelListError> fileRefusal;
    std::vector<ListRowPlan> rows;
    // The base project with the taken rows stored, when the import goes ahead; else the base.
    ProjectImage image;
    // What the format's reader says about the taken rows: defaults assumed, values left behind.
    std::vector<std::string> notes;
    bool skipUnfit = false;

    int Count(RowFate fate) const;
    // Whether nothing is taken: the file is refused, or a chosen row is and skipping is not
    // asked for.
    bool Refused() const;
    // Every refusal that stops the import, in file order: the file's, or each refused row's.
    std::vector<ChannelListError> Refusals() const;
};

// The format a file's header row names; a file that is not a table at all counts as ours,
// whose import then says where it goes wrong.
ChannelListFormat DetectChannelListFormat(std::string_view csv);

// Reads every row of either format and places and stores the chosen ones over a copy of the
// base. Every row is looked at, so that one run names every problem.
ChannelListPlan PlanChannelListImport(std::string_view csv, const ProjectImage& base,
                                      const BandLimits& band, const ChannelListChoice& choice = {});

// The import as a single result: the plan's project stored into image when nothing stops it,
// else the first refusal (every one in refusals) and the image untouched.
ChannelListResult ResultOf(const ChannelListPlan& plan, ProjectImage& image);

// The command-line option that would take a refused row, in words for a message.
std::string RemedyHint(ListRemedy remedy);

}  // namespace radioprog
