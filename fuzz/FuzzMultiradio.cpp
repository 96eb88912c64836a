// Channel lists in the multi-radio format: whatever the file, the import either changes
// nothing and names every row it refused, or stores channels that our own export of the format
// carries back into the very same image. Taking only the rows that fit places each taken row
// on a channel of its own.
#include <set>

#include "ChannelListBase.h"
#include "FuzzTargets.h"
#include "channellist/ChirpCsv.h"
#include "channellist/ListRowReader.h"

namespace radioprog::fuzz {

namespace {

// The choice comes from the length, so that a seed keeps it when replayed.
ChannelListChoice ChoiceOf(size_t size) {
    ChannelListChoice choice;
    choice.renumber = (size & 1) != 0;
    choice.shortenNames = (size & 2) != 0;
    choice.skipUnfit = (size & 4) != 0;
    choice.replace = (size & 8) != 0;
    return choice;
}

void CheckRefusal(const ChannelListPlan& plan, const ProjectImage& base) {
    FUZZ_CHECK(SameImage(base, plan.image));
    FUZZ_CHECK(plan.notes.empty());
    const auto refusals = plan.Refusals();
    FUZZ_CHECK(!refusals.empty());
    for (const ChannelListError& refusal : refusals) {
        FUZZ_CHECK(refusal.line >= 1 && refusal.column >= 1);
        FUZZ_CHECK(!refusal.why.empty());
    }
}

}  // namespace

int FuzzMultiradio(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const ProjectImage base = ListBaseImage();
    const ChannelListChoice choice = ChoiceOf(size);

    const auto reader = ChirpListRowReader(kListBand, choice.shortenNames);
    const ChannelListPlan plan = PlanWithReader(*reader, text, base, choice);
    if (plan.Refused()) {
        CheckRefusal(plan, base);
        return 0;
    }
    const int taken = plan.Count(RowFate::Taken);
    FUZZ_CHECK(taken >= 0 && taken <= kChannelCount);
    FUZZ_CHECK(taken == 0 || !plan.notes.empty());
    std::set<int> channels;
    for (const ListRowPlan& row : plan.rows) {
        if (row.fate == RowFate::Taken) {
            FUZZ_CHECK(row.channel >= 1 && row.channel <= kChannelCount);
            FUZZ_CHECK(channels.insert(row.channel).second);
        } else if (row.fate == RowFate::Refused) {
            FUZZ_CHECK(choice.skipUnfit && row.refusal && !row.refusal->why.empty());
        }
    }
    const ProjectImage& imported = plan.image;
    ProjectImage again = imported;
    const ChannelListResult back =
        ImportChannelsChirpCsv(ExportChannelsChirpCsv(imported), again, kListBand);
    FUZZ_CHECK(back.ok);
    FUZZ_CHECK(SameImage(again, imported));
    return 0;
}

}  // namespace radioprog::fuzz
