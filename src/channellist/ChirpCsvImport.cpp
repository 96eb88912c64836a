#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListSummary.h"
#include "channellist/ChirpCsv.h"
#include "channellist/ChirpImportNotes.h"
#include "channellist/ChirpLayout.h"
#include "channellist/ChirpRow.h"
#include "channellist/ChirpTones.h"
#include "channellist/ChirpValues.h"
#include "channellist/ListRowReader.h"
#include "channellist/NameCharacters.h"
#include "lang/TextCodec.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

using THaldenFuncs::detail::EqualsIgnoringCase;

using Column = ChirpColumn;

ChannelListResult WithRemedy(ChannelListResult refused, ListRemedy remedy) {
    refused.error.remedy = remedy;
    return refused;
}

std::optional<ChannelListError> Refusal(const ChannelListResult& result) {
    return result ? std::nullopt : std::optional<ChannelListError>(result.error);
}

class ChirpRowReader final : public ListRowReader {
  public:
    ChirpRowReader(const BandLimits& band, bool shortenNames)
        : band_(band), shortenNames_(shortenNames) {}

    std::optional<ChannelListError> Open(std::string_view csv) override {
        if (auto refused = ReadListCells(csv, table_)) {
            return refused;
        }
        if (table_.rows.empty() || !IsChirpCsvHeader(table_.rows[0])) {
            return ListError(1, 1, "no header row naming the Location and Frequency columns").error;
        }
        if (auto error = layout_.Read(table_.rows[0]); !error) {
            return error.error;
        }
        for (size_t i = 1; i < table_.rows.size(); ++i) {
            rows_.emplace_back().text = &table_.rows[i];
        }
        return std::nullopt;
    }

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int Line(int index) const override { return Row(index).text->line; }
    bool Blank(int index) const override {
        return std::ranges::all_of(Row(index).text->cells,
                                   [](const std::string& c) { return c.empty(); });
    }
    std::string FrequencyText(int index) const override {
        return std::string(Text(Row(index), Column::Frequency));
    }
    std::string NameText(int index) const override {
        const std::string* name = Cell(Row(index), Column::Name);
        return name ? *name : std::string();
    }

    ListedChannel Listed(int index) const override {
        const ChirpRow& row = Row(index);
        ListedChannel listed;
        if (!layout_.Has(Column::Location)) {
            listed.cell = ListError(row.text->line, 1,
                                    "no Location column to say which channel the row is for")
                              .error;
            return listed;
        }
        const std::string_view text = Text(row, Column::Location);
        listed.cell = Error(row, Column::Location, "not a channel from 1 to 16").error;
        if (!text.empty() && text.size() <= 3 &&
            text.find_first_not_of("0123456789") == std::string_view::npos) {
            const int channel = std::atoi(std::string(text).c_str());
            listed.channel = channel >= 1 && channel <= kChannelCount ? channel : 0;
        }
        return listed;
    }

    std::optional<ChannelListError> Check(int index, const ProjectImage& /*base*/,
                                          int listedChannel) override {
        ChirpRow& row = Row(index);
        row.channel = listedChannel;
        if (auto error = CheckShape(row); !error) {
            return error.error;
        }
        return Refusal(ReadRow(row));
    }

    std::map<int, ChannelListError> CheckTogether(std::span<const int> indexes) override {
        return RankPowers(indexes);
    }

    std::optional<ChannelListError> Store(int index, int channel, ProjectImage& image) override {
        ChirpRow& row = Row(index);
        row.channel = channel;
        StoreChirpRow(row, layout_.Has(Column::Name), image);
        return std::nullopt;
    }

    bool NameShortened(int index) const override { return Row(index).nameShortened; }

    std::vector<std::string> Notes(std::span<const int> taken) const override {
        std::vector<std::string> notes = ChirpImportNotes(Tally(taken));
        if (auto collisions = ShortenedCollisions(taken); !collisions.empty()) {
            notes.push_back("Shortened names that now read the same as another: " + collisions +
                            ".");
        }
        return notes;
    }

  private:
    // Names cut to the radio's bytes that another taken row's name now equals: "REPEAT"
    // (channels 1, 3); the radio would show them alike.
    std::string ShortenedCollisions(std::span<const int> taken) const {
        std::map<std::string, std::vector<int>> channelsOfName;
        for (const int index : taken) {
            channelsOfName[Row(index).name].push_back(Row(index).channel);
        }
        std::string said;
        for (const auto& entry : channelsOfName) {
            const std::string& name = entry.first;
            const std::vector<int>& channels = entry.second;
            const bool cut = std::ranges::any_of(taken, [&](int index) {
                return Row(index).nameShortened && Row(index).name == name;
            });
            if (!cut || channels.size() < 2 || name.empty()) {
                continue;
            }
            said += (said.empty() ? "\"" : ", \"") + DecodeCodePage(name, CodePage::Gbk) +
                    "\" (channels " + ChannelRanges(channels) + ")";
        }
        return said;
    }

    ChirpRow& Row(int index) { return rows_[static_cast<size_t>(index)]; }
    const ChirpRow& Row(int index) const { return rows_[static_cast<size_t>(index)]; }

    ChirpImportTally Tally(std::span<const int> taken) const {
        ChirpImportTally tally;
        tally.rows = static_cast<int>(taken.size());
        for (int c = 0; c < kChirpColumnCount; ++c) {
            tally.columns.set(static_cast<size_t>(c), layout_.Has(static_cast<Column>(c)));
        }
        for (const int index : taken) {
            const ChirpRow& row = Row(index);
            tally.namesShortened += row.nameShortened;
            for (int f = 0; f < kChirpToneFieldCount; ++f) {
                tally.standIns[static_cast<size_t>(f)] +=
                    ((row.tones.stoodIn >> f) & 1u) != 0 ? 1 : 0;
            }
            tally.withoutPower += row.power.kind == PowerCell::Kind::Unstated;
            tally.comments += row.commentLeftBehind;
            tally.digitalVoice += row.digitalVoiceLeftBehind;
        }
        return tally;
    }

    const std::string* Cell(const ChirpRow& row, Column column) const {
        return layout_.Cell(row, column);
    }
    std::string_view Text(const ChirpRow& row, Column column) const {
        return layout_.Text(row, column);
    }
    ChannelListResult Error(const ChirpRow& row, Column column, std::string why) const {
        return layout_.Error(row, column, std::move(why));
    }

    // Every row has a cell under each column of the header before any cell is read.
    ChannelListResult CheckShape(const ChirpRow& row) const {
        const std::vector<std::string>& cells = row.text->cells;
        const int width = static_cast<int>(cells.size());
        // Spreadsheets write empty cells past the last column of the header.
        const bool emptyBeyondHeader =
            width > layout_.Width() &&
            std::all_of(cells.begin() + layout_.Width(), cells.end(),
                        [](const std::string& c) { return TrimmedCell(c).empty(); });
        if (width < layout_.Width() || (width > layout_.Width() && !emptyBeyondHeader)) {
            return ListError(row.text->line, std::min(width, layout_.Width()) + 1,
                             "a row of " + std::to_string(width) + " values under a header of " +
                                 std::to_string(layout_.Width()) + " columns");
        }
        return {};
    }

    ChannelListResult ReadRow(ChirpRow& row) const {
        for (auto step :
             {&ChirpRowReader::ReadFrequencies, &ChirpRowReader::ReadTones,
              &ChirpRowReader::ReadWords, &ChirpRowReader::ReadName, &ChirpRowReader::ReadUnheld}) {
            if (auto error = (this->*step)(row); !error) {
                return error;
            }
        }
        return {};
    }

    // Why a frequency cannot be stored, or empty when it can: in the band, on the raster.
    std::string WhyNotStorable(uint32_t hz) const {
        if (hz < band_.lower || hz > band_.upper) {
            return "outside the radio's band of " + FreqToText(band_.lower) + " to " +
                   FreqToText(band_.upper) + " MHz";
        }
        if (RasterStepOf(hz) == RasterStep::Off) {
            return "not on the radio's channel raster (multiples of 5 kHz or 6.25 kHz)";
        }
        return {};
    }

    ChannelListResult ReadFrequencies(ChirpRow& row) const {
        const auto rx = ParseChirpMHz(Text(row, Column::Frequency));
        if (!rx) {
            return Error(row, Column::Frequency, "not a frequency in MHz, like 446.006250");
        }
        if (auto why = WhyNotStorable(*rx); !why.empty()) {
            return Error(row, Column::Frequency, why);
        }
        row.rx = *rx;
        const std::string_view duplex = Text(row, Column::Duplex);
        if (duplex.empty()) {
            row.tx = row.rx;
            return {};
        }
        if (EqualsIgnoringCase(duplex, "off")) {
            row.tx = 0;  // receive only
            return {};
        }
        const bool split = EqualsIgnoringCase(duplex, "split");
        if (!split && duplex != "+" && duplex != "-") {
            return Error(row, Column::Duplex, "not a duplex: empty, +, -, split or off");
        }
        if (!layout_.Has(Column::Offset)) {
            return Error(row, Column::Duplex,
                         "a duplex with no Offset column to give the transmit frequency");
        }
        const auto offset = ParseChirpMHz(Text(row, Column::Offset));
        if (!offset) {
            return Error(row, Column::Offset, "not a frequency in MHz, like 0.600000");
        }
        const int64_t tx = split           ? int64_t{*offset}
                           : duplex == "+" ? int64_t{row.rx} + *offset
                                           : int64_t{row.rx} - *offset;
        if (tx <= 0 || tx > UINT32_MAX) {
            return Error(row, Column::Offset, "a transmit frequency below 0 or beyond any radio");
        }
        row.tx = static_cast<uint32_t>(tx);
        if (auto why = WhyNotStorable(row.tx); !why.empty()) {
            return Error(row, Column::Offset,
                         "a transmit frequency of " + FreqToText(row.tx) + " MHz, " + why);
        }
        return {};
    }

    ChannelListResult ReadTones(ChirpRow& row) const {
        ChirpToneCells cells;
        for (int f = 0; f < kChirpToneFieldCount; ++f) {
            if (const std::string* cell =
                    Cell(row, ChirpToneColumn(static_cast<ChirpToneField>(f)))) {
                cells.cells[f] = *cell;
            }
        }
        if (const auto error = ReadChirpTones(cells, row.tones)) {
            return Error(row, ChirpToneColumn(error->field), error->why);
        }
        return {};
    }

    ChannelListResult ReadWords(ChirpRow& row) const {
        const std::string_view mode = Text(row, Column::Mode);
        if (mode.empty() || EqualsIgnoringCase(mode, "FM")) {
            row.wide = true;
        } else if (EqualsIgnoringCase(mode, "NFM")) {
            row.wide = false;
        } else {
            return Error(row, Column::Mode,
                         "a mode the radio does not have: FM (wide) or NFM (narrow)");
        }
        // The tuning step is the source radio's; ours tunes by its raster, which every
        // frequency has already been checked against.
        const std::string_view skip = Text(row, Column::Skip);
        if (EqualsIgnoringCase(skip, "P")) {
            return Error(row, Column::Skip, "priority scan, which the radio does not have");
        }
        if (!skip.empty() && !EqualsIgnoringCase(skip, "S")) {
            return Error(row, Column::Skip, "not a scan choice: empty (scanned) or S (skipped)");
        }
        row.scanAdd = skip.empty();
        return ReadPower(row);
    }

    ChannelListResult ReadPower(ChirpRow& row) const {
        const std::string_view text = Text(row, Column::Power);
        PowerCell& power = row.power;
        if (text.empty()) {
            return {};
        }
        if (EqualsIgnoringCase(text, "High") || EqualsIgnoringCase(text, "Low")) {
            power.kind =
                EqualsIgnoringCase(text, "High") ? PowerCell::Kind::High : PowerCell::Kind::Low;
            return {};
        }
        const auto milliwatts = ParseChirpMilliwatts(text);
        if (!milliwatts) {
            return Error(row, Column::Power, "not a power: watts like 5.0W, or High or Low");
        }
        power.kind = PowerCell::Kind::Watts;
        power.milliwatts = *milliwatts;
        return {};
    }

    ChannelListResult ReadName(ChirpRow& row) const {
        const std::string* cell = Cell(row, Column::Name);
        if (!cell) {
            return {};
        }
        if (const auto control = FirstControlCharacter(*cell)) {
            return Error(row, Column::Name,
                         "a name with " + *control + ", which the radio cannot show");
        }
        const auto bytes = EncodeCodePage(*cell, CodePage::Gbk);
        if (!bytes) {
            const auto character = FirstCharacterNotStorable(*cell);
            return Error(row, Column::Name,
                         "a name with " + character.value_or("a character") +
                             ", which the radio cannot show");
        }
        row.nameShortened = bytes->size() > channel::Name.size;
        if (row.nameShortened && !shortenNames_) {
            return WithRemedy(Error(row, Column::Name,
                                    "longer than the 6 bytes a name holds (a Chinese character "
                                    "takes 2)"),
                              ListRemedy::ShortenNames);
        }
        row.name = CutNameBytes(*bytes, channel::Name.size);
        return {};
    }

    // Values with no place in this radio. A comment and the digital voice fields of an FM
    // channel change nothing the radio does: they are left behind and counted. A column of
    // another program may mean anything, so a value there is refused.
    ChannelListResult ReadUnheld(ChirpRow& row) const {
        row.commentLeftBehind = !Text(row, Column::Comment).empty();
        row.digitalVoiceLeftBehind =
            std::ranges::any_of(std::initializer_list<Column>{Column::UrCall, Column::Rpt1Call,
                                                              Column::Rpt2Call, Column::DvCode},
                                [&](Column dv) { return !Text(row, dv).empty(); });
        for (const int at : layout_.Unknown()) {
            const std::string& cell = row.text->cells[static_cast<size_t>(at)];
            if (!TrimmedCell(cell).empty()) {
                return ListError(row.text->line, at + 1,
                                 "a value in a column this radio has no field for", cell);
            }
        }
        return {};
    }

    // The file's power levels in watts are the source radio's; the higher of two is our High,
    // the lower our Low. A third level has no place.
    std::map<int, ChannelListError> RankPowers(std::span<const int> indexes) {
        std::map<int, ChannelListError> refused;
        std::vector<uint64_t> levels;
        for (const int index : indexes) {
            const ChirpRow& row = Row(index);
            if (row.power.kind != PowerCell::Kind::Watts ||
                std::ranges::find(levels, row.power.milliwatts) != levels.end()) {
                continue;
            }
            if (levels.size() == 2) {
                refused.emplace(
                    index, Error(row, Column::Power,
                                 "a third power level in the list; the radio has two, High and Low")
                               .error);
                continue;
            }
            levels.push_back(row.power.milliwatts);
        }
        const uint64_t highest = levels.empty() ? 0 : std::ranges::max(levels);
        for (const int index : indexes) {
            PowerCell& power = Row(index).power;
            if (power.kind == PowerCell::Kind::Watts) {
                power.kind =
                    power.milliwatts == highest ? PowerCell::Kind::High : PowerCell::Kind::Low;
            }
        }
        return refused;
    }

    const BandLimits& band_;
    bool shortenNames_;
    TextTableParse table_;
    ChirpLayout layout_;
    std::vector<ChirpRow> rows_;
};

}  // namespace

bool IsChirpCsvHeader(const TextTableRow& header) {
    const auto names = [&header](std::string_view caption) {
        return std::ranges::any_of(header.cells, [caption](const std::string& cell) {
            return EqualsIgnoringCase(TrimmedCell(cell), caption);
        });
    };
    return names("Location") && names("Frequency");
}

ChannelListResult ImportChannelsChirpCsv(std::string_view csv, ProjectImage& image,
                                         const BandLimits& band,
                                         const ChirpImportOptions& options) {
    ChirpRowReader reader(band, options.shortenNames);
    ChannelListChoice choice;
    choice.renumber = options.renumber;
    choice.shortenNames = options.shortenNames;
    return ResultOf(PlanWithReader(reader, csv, image, choice), image);
}

std::unique_ptr<ListRowReader> ChirpListRowReader(const BandLimits& band, bool shortenNames) {
    return std::make_unique<ChirpRowReader>(band, shortenNames);
}

}  // namespace radioprog
