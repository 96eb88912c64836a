#include "channellist/ChannelListSummary.h"

#include <algorithm>

namespace radioprog {

namespace {

std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string ChannelRanges(const std::vector<int>& channels) {
    std::vector<int> sorted = channels;
    std::ranges::sort(sorted);
    std::string text;
    for (size_t i = 0; i < sorted.size();) {
        size_t end = i;
        while (end + 1 < sorted.size() && sorted[end + 1] == sorted[end] + 1) {
            ++end;
        }
        text += (text.empty() ? "" : ", ") + std::to_string(sorted[i]);
        if (end > i) {
            text += "-" + std::to_string(sorted[end]);
        }
        i = end + 1;
    }
    return text;
}

std::string TakenSentence(const ChannelListPlan& plan) {
    std::vector<int> channels;
    for (const ListRowPlan& row : plan.rows) {
        if (row.fate == RowFate::Taken) {
            channels.push_back(row.channel);
        }
    }
    std::string sentence = "Took " + Count(static_cast<int>(channels.size()), "row", "rows");
    if (!channels.empty()) {
        sentence += std::string(channels.size() == 1 ? " into channel " : " into channels ") +
                    ChannelRanges(channels);
    }
    sentence += "; skipped " + std::to_string(plan.Count(RowFate::Refused));
    if (const int left = plan.Count(RowFate::NotChosen); left > 0) {
        sentence += "; " + Count(left, "row", "rows") + " not chosen";
    }
    return sentence + ".";
}

std::vector<std::string> SkippedSentences(const ChannelListPlan& plan) {
    std::vector<std::string> sentences;
    for (const ListRowPlan& row : plan.rows) {
        if (row.fate == RowFate::Refused && row.refusal) {
            sentences.push_back("Skipped row " + std::to_string(row.row) + ": " +
                                row.refusal->Message());
        }
    }
    return sentences;
}

std::string FileOnlyFieldsSentence() {
    return "Names, squelch mode and the DTMF bits are kept in the project file only: the radio "
           "never receives them.";
}

std::vector<std::string> ImportSummary(const ChannelListPlan& plan) {
    std::vector<std::string> lines{TakenSentence(plan)};
    const auto skipped = SkippedSentences(plan);
    lines.insert(lines.end(), skipped.begin(), skipped.end());
    lines.insert(lines.end(), plan.notes.begin(), plan.notes.end());
    lines.push_back(FileOnlyFieldsSentence());
    return lines;
}

}  // namespace radioprog
