#pragma once
// What is said after an import, by the command line and the window alike: how many rows were
// taken and where, each row left out and why, what the format's reader assumed or left
// behind, and which fields never reach the radio.

#include <string>
#include <vector>

#include "channellist/ChannelListPlan.h"

namespace radioprog {

// "Took 12 rows into channels 1-12; skipped 3; 37 rows not chosen."
std::string TakenSentence(const ChannelListPlan& plan);

// "Skipped row 5 (line 6): line 6, column 3 (Frequency): ..." for each refused row.
std::vector<std::string> SkippedSentences(const ChannelListPlan& plan);

// The fields a project keeps that the radio is never sent.
std::string FileOnlyFieldsSentence();

// Everything above in order, with the reader's notes between the skipped rows and the last.
std::vector<std::string> ImportSummary(const ChannelListPlan& plan);

// "1-4, 7, 9-12"
std::string ChannelRanges(const std::vector<int>& channels);

}  // namespace radioprog
