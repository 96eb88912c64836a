#pragma once
// Channel plans in the open multi-radio CSV format (the CHIRP programmer's "Location, Name,
// Frequency, Duplex, ..." files), which technicians keep and other programmers read and write.
// A row describes one memory of any radio; we take what this radio can hold and refuse the
// rest, naming line, column and why, all or nothing, as with our own lists.

#include <string>
#include <string_view>

#include "channellist/ChannelList.h"

namespace radioprog {

struct ChirpImportOptions {
    // Place the rows in file order from channel 1 instead of at their Location.
    bool renumber = false;
    // Cut a name longer than the radio's 6 bytes instead of refusing it.
    bool shortenNames = false;
};

// Whether a header row is this format's: it names the Location and Frequency columns.
bool IsChirpCsvHeader(const TextTableRow& header);

// Stores the rows over the image: Location 1-16 (or file order with renumber) picks the
// channel; channels without a row stay as they were, and fields the format has no column for
// (busy lock, DTMF, squelch mode as far as a receive tone does not change it) keep their
// values. Frequencies must lie in the band on the radio's raster, tones in its lists, names
// fit its 6 bytes; Mode FM or NFM; Power the higher or lower of at most two levels in the file.
// A column the file lacks reads as the format's default (or, for a tone, its twin column);
// comments, digital voice values and the tuning step are left behind; the result's notes say
// once what was assumed and what was not kept.
// A refusal that an option would take says so in its remedy: a Location no channel has (or one
// named twice) goes with renumber, a name longer than the radio's bytes with shortenNames.
ChannelListResult ImportChannelsChirpCsv(std::string_view csv, ProjectImage& image,
                                         const BandLimits& band,
                                         const ChirpImportOptions& options = {});

// The channels in use, one row each at their channel number, comma-separated with CRLF line
// ends. High power is written as 5.0W and low as 1.0W: the format carries watts, and a reader
// maps them onto its radio's levels by order, as ours does.
std::string ExportChannelsChirpCsv(const ProjectImage& image);

}  // namespace radioprog
