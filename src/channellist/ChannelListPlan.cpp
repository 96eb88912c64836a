#include "channellist/ChannelListPlan.h"

#include <algorithm>
#include <array>

#include "channellist/ChannelCsv.h"
#include "channellist/ChirpCsv.h"
#include "channellist/ListRowReader.h"

namespace radioprog {

namespace {

// The header row is the first line that is not blank; a quoted line break inside a caption is
// not worth reading the whole file for.
std::string_view HeaderText(std::string_view csv) {
    size_t start = csv.find_first_not_of("\r\n");
    if (start == std::string_view::npos) {
        return {};
    }
    const size_t end = csv.find_first_of("\r\n", start);
    return csv.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

ChannelListError RowRefusal(const ListRowPlan& row, std::string why,
                            ListRemedy remedy = ListRemedy::None) {
    ChannelListError error;
    error.line = row.line;
    error.column = 1;
    error.channel = row.channel;
    error.why = std::move(why);
    error.remedy = remedy;
    return error;
}

class Planner {
  public:
    Planner(ListRowReader& reader, const ProjectImage& base, const ChannelListChoice& choice,
            ChannelListPlan& plan)
        : reader_(reader), base_(base), choice_(choice), plan_(plan) {}

    void Run() {
        plan_.image = base_;
        plan_.skipUnfit = choice_.skipUnfit;
        const int count = reader_.RowCount();
        plan_.rows.resize(static_cast<size_t>(count));
        listed_.resize(static_cast<size_t>(count));
        picked_.resize(static_cast<size_t>(count) + 1);
        for (size_t k = 0; choice_.rows && k < choice_.rows->size(); ++k) {
            const int row = (*choice_.rows)[k];
            if (row >= 1 && row <= count) {
                picked_[static_cast<size_t>(row)] = true;
            }
        }
        for (int i = 0; i < count; ++i) {
            ListRowPlan& row = Row(i);
            row.row = i + 1;
            row.line = reader_.Line(i);
            row.fate = reader_.Blank(i) ? RowFate::Blank
                       : Chosen(i + 1)  ? RowFate::Taken
                                        : RowFate::NotChosen;
            if (row.fate == RowFate::Blank) {
                continue;
            }
            row.frequency = reader_.FrequencyText(i);
            row.name = reader_.NameText(i);
            if (row.fate == RowFate::Taken) {
                chosen_.push_back(i);
            }
        }
        CheckValues();
        Place();
        Store();
        if (plan_.Refused()) {
            plan_.image = base_;
            return;
        }
        std::vector<int> taken;
        for (const int i : chosen_) {
            if (Row(i).fate == RowFate::Taken) {
                taken.push_back(i);
                Row(i).nameShortened = reader_.NameShortened(i);
            }
        }
        plan_.notes = reader_.Notes(taken);
    }

  private:
    ListRowPlan& Row(int index) { return plan_.rows[static_cast<size_t>(index)]; }

    bool Chosen(int row) const { return !choice_.rows || picked_[static_cast<size_t>(row)]; }

    void Refuse(int index, ChannelListError error) {
        ListRowPlan& row = Row(index);
        row.fate = RowFate::Refused;
        if (!row.refusal) {
            row.refusal = std::move(error);
        }
    }
    bool Refused(int index) { return Row(index).fate == RowFate::Refused; }

    // Values first, wherever the row goes: a refusal that no placement mends is the one to say.
    void CheckValues() {
        for (const int i : chosen_) {
            const ListedChannel listed = reader_.Listed(i);
            listed_[static_cast<size_t>(i)] = listed;
            if (auto error = reader_.Check(i, base_, listed.channel)) {
                Refuse(i, std::move(*error));
            }
        }
        std::vector<int> candidates;
        std::ranges::copy_if(chosen_, std::back_inserter(candidates),
                             [this](int i) { return !Refused(i); });
        for (auto& [index, error] : reader_.CheckTogether(candidates)) {
            Refuse(index, std::move(error));
        }
    }

    // A row left out by skipping takes no channel; a refused row that is not left out keeps
    // its channel, so that its message names it and the rows after it go where they would.
    bool LeftOut(int index) { return choice_.skipUnfit && Refused(index); }

    void Claim(int index, int channel) {
        Row(index).channel = channel;
        if (!LeftOut(index)) {
            claimedBy_[static_cast<size_t>(channel)] = Row(index).line;
        }
    }

    void Place() {
        claimedBy_.fill(0);
        std::vector<int> unplaced;
        for (const int i : chosen_) {
            const auto given = choice_.channelOfRow.find(i + 1);
            if (given == choice_.channelOfRow.end()) {
                unplaced.push_back(i);
                continue;
            }
            const int channel = given->second;
            if (channel < 1 || channel > kChannelCount) {
                Refuse(i, RowRefusal(Row(i), "placed at channel " + std::to_string(channel) +
                                                 ", which the radio does not have"));
            } else if (claimedBy_[static_cast<size_t>(channel)] != 0) {
                Row(i).channel = channel;
                Refuse(i, RowRefusal(Row(i),
                                     "placed at a channel that the row on line " +
                                         std::to_string(claimedBy_[static_cast<size_t>(channel)]) +
                                         " goes to"));
            } else {
                Claim(i, channel);
            }
        }
        if (choice_.renumber) {
            PlaceInOrder(unplaced);
        } else {
            PlaceAtListedChannels(unplaced);
        }
    }

    int NextFree(int from, bool onlyUnused) const {
        for (int n = from; n <= kChannelCount; ++n) {
            if (claimedBy_[static_cast<size_t>(n)] == 0 &&
                (!onlyUnused || choice_.replace || !base_.IsChannelValid(n))) {
                return n;
            }
        }
        return 0;
    }

    void PlaceInOrder(const std::vector<int>& rows) {
        int next = 1;
        for (const int i : rows) {
            if (LeftOut(i)) {
                continue;
            }
            next = NextFree(next, false);
            if (next == 0) {
                Refuse(i, RowRefusal(Row(i),
                                     "no room: the radio's 16 channels are taken by the "
                                     "rows before it"));
                next = kChannelCount + 1;
                continue;
            }
            Claim(i, next);
        }
    }

    void PlaceAtListedChannels(const std::vector<int>& rows) {
        std::vector<int> homeless;
        for (const int i : rows) {
            const ListedChannel& listed = listed_[static_cast<size_t>(i)];
            const int channel = listed.channel;
            if (channel != 0 && claimedBy_[static_cast<size_t>(channel)] == 0) {
                Claim(i, channel);
                continue;
            }
            ChannelListError error = listed.cell;
            if (channel != 0) {
                error.why = "a channel listed before, on line " +
                            std::to_string(claimedBy_[static_cast<size_t>(channel)]);
            }
            // Renumbering places every row only where they are no more than the channels.
            error.remedy = chosen_.size() <= static_cast<size_t>(kChannelCount)
                               ? ListRemedy::Renumber
                               : ListRemedy::None;
            if (choice_.skipUnfit && !Refused(i)) {
                homeless.push_back(i);  // it fits: the free channels take it
            } else {
                Refuse(i, std::move(error));
            }
        }
        int next = 1;
        for (const int i : homeless) {
            next = next > kChannelCount ? 0 : NextFree(next, true);
            if (next == 0) {
                Refuse(i, RowRefusal(Row(i),
                                     "no room: it names no channel of the radio's 16 and no "
                                     "free channel is left for it (--replace frees the channels "
                                     "the list does not fill)"));
                next = kChannelCount + 1;
                continue;
            }
            Claim(i, next);
        }
    }

    void Store() {
        std::array<bool, kChannelCount + 1> filled{};
        for (const int i : chosen_) {
            if (Refused(i)) {
                continue;
            }
            const int channel = Row(i).channel;
            if (auto error = reader_.Store(i, channel, plan_.image)) {
                Refuse(i, std::move(*error));
                continue;
            }
            filled[static_cast<size_t>(channel)] = true;
        }
        for (const int i : chosen_) {
            if (auto& refusal = Row(i).refusal) {
                refusal->channel = Row(i).channel;
            }
        }
        for (int n = 1; choice_.replace && n <= kChannelCount; ++n) {
            if (!filled[static_cast<size_t>(n)]) {
                plan_.image.SetChannelValid(n, false);
            }
        }
    }

    ListRowReader& reader_;
    const ProjectImage& base_;
    const ChannelListChoice& choice_;
    ChannelListPlan& plan_;
    std::vector<int> chosen_;
    std::vector<ListedChannel> listed_;
    std::vector<bool> picked_;                        // by row number, when the choice names rows
    std::array<int, kChannelCount + 1> claimedBy_{};  // the line of the row taking a channel
};

}  // namespace

int ChannelListPlan::Count(RowFate fate) const {
    return static_cast<int>(
        std::ranges::count_if(rows, [fate](const ListRowPlan& row) { return row.fate == fate; }));
}

bool ChannelListPlan::Refused() const {
    return fileRefusal || (!skipUnfit && Count(RowFate::Refused) > 0);
}

std::vector<ChannelListError> ChannelListPlan::Refusals() const {
    if (fileRefusal) {
        return {*fileRefusal};
    }
    std::vector<ChannelListError> refusals;
    for (const ListRowPlan& row : rows) {
        if (row.fate == RowFate::Refused && row.refusal) {
            refusals.push_back(*row.refusal);
        }
    }
    return refusals;
}

ChannelListFormat DetectChannelListFormat(std::string_view csv) {
    const TextTableParse header = ParseTextTable(HeaderText(csv), ',');
    if (!header || header.rows.empty()) {
        return ChannelListFormat::Own;
    }
    return IsChirpCsvHeader(header.rows[0]) ? ChannelListFormat::Chirp : ChannelListFormat::Own;
}

ChannelListPlan PlanChannelListImport(std::string_view csv, const ProjectImage& base,
                                      const BandLimits& band, const ChannelListChoice& choice) {
    const bool chirp = csv.size() <= kMaxChannelCsvSize &&
                       DetectChannelListFormat(csv) == ChannelListFormat::Chirp;
    const auto reader =
        chirp ? ChirpListRowReader(band, choice.shortenNames) : OwnListRowReader(band);
    ChannelListPlan plan = PlanWithReader(*reader, csv, base, choice);
    plan.format = chirp ? ChannelListFormat::Chirp : ChannelListFormat::Own;
    return plan;
}

std::optional<ChannelListError> ReadListCells(std::string_view csv, TextTableParse& table) {
    if (csv.size() > kMaxChannelCsvSize) {
        return ListError(1, 1, "a file larger than any channel list (over 1 MiB)").error;
    }
    table = ParseTextTable(csv, ',');
    if (!table) {
        return ListError(table.error.line, table.error.column, table.error.why).error;
    }
    return std::nullopt;
}

ChannelListPlan PlanWithReader(ListRowReader& reader, std::string_view csv,
                               const ProjectImage& base, const ChannelListChoice& choice) {
    ChannelListPlan plan;
    plan.image = base;
    plan.skipUnfit = choice.skipUnfit;
    if (auto refusal = reader.Open(csv)) {
        plan.fileRefusal = std::move(refusal);
        return plan;
    }
    Planner(reader, base, choice, plan).Run();
    return plan;
}

ChannelListResult ResultOf(const ChannelListPlan& plan, ProjectImage& image) {
    ChannelListResult result;
    if (plan.Refused()) {
        result.ok = false;
        result.errors = plan.Refusals();
        result.error = result.errors.front();
        return result;
    }
    image = plan.image;
    result.rows = plan.Count(RowFate::Taken);
    result.notes = plan.notes;
    return result;
}

std::string RemedyHint(ListRemedy remedy) {
    switch (remedy) {
        case ListRemedy::Renumber:
            return "--renumber would place it";
        case ListRemedy::ShortenNames:
            return "--shorten-names would take it";
        case ListRemedy::None:
            break;
    }
    return "--skip-unfit or --rows would leave it out";
}

}  // namespace radioprog
