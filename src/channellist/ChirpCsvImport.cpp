#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "channellist/ChannelCsv.h"
#include "channellist/ChirpCsv.h"
#include "channellist/ChirpImportNotes.h"
#include "channellist/ChirpLayout.h"
#include "channellist/ChirpRow.h"
#include "channellist/ChirpTones.h"
#include "channellist/ChirpValues.h"
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

class ChirpReader {
  public:
    ChirpReader(const BandLimits& band, const ChirpImportOptions& options)
        : band_(band), options_(options) {}

    ChannelListResult Read(std::string_view csv, ProjectImage& image) {
        if (csv.size() > kMaxChannelCsvSize) {
            return ListError(1, 1, "a file larger than any channel list (over 1 MiB)");
        }
        const TextTableParse table = ParseTextTable(csv, ',');
        if (!table) {
            return ListError(table.error.line, table.error.column, table.error.why);
        }
        if (table.rows.empty() || !IsChirpCsvHeader(table.rows[0])) {
            return ListError(1, 1, "no header row naming the Location and Frequency columns");
        }
        if (auto error = layout_.Read(table.rows[0]); !error) {
            return error;
        }
        std::vector<ChirpRow> rows;
        for (size_t i = 1; i < table.rows.size(); ++i) {
            const TextTableRow& text = table.rows[i];
            if (std::ranges::all_of(text.cells, [](const std::string& c) { return c.empty(); })) {
                continue;
            }
            rows.emplace_back().text = &text;
        }
        if (auto error = CheckShape(rows); !error) {
            return error;
        }
        // Rows are placed first, so that a refused value names its channel too.
        if (auto error = PlaceRows(rows); !error) {
            return error;
        }
        for (ChirpRow& row : rows) {
            if (auto error = ReadRow(row); !error) {
                return error;
            }
        }
        if (auto error = RankPowers(rows); !error) {
            return error;
        }
        ProjectImage stored = image;
        for (const ChirpRow& row : rows) {
            StoreChirpRow(row, layout_.Has(Column::Name), stored);
        }
        image = stored;
        ChannelListResult result;
        result.rows = static_cast<int>(rows.size());
        result.notes = ChirpImportNotes(Tally(rows));
        return result;
    }

  private:
    ChirpImportTally Tally(const std::vector<ChirpRow>& rows) const {
        ChirpImportTally tally;
        tally.rows = static_cast<int>(rows.size());
        for (int c = 0; c < kChirpColumnCount; ++c) {
            tally.columns.set(static_cast<size_t>(c), layout_.Has(static_cast<Column>(c)));
        }
        for (const ChirpRow& row : rows) {
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

    // Every row has a cell under each column of the header before any cell is read. More rows
    // than channels is said first: no choice of locations can hold them.
    ChannelListResult CheckShape(const std::vector<ChirpRow>& rows) const {
        if (rows.size() > static_cast<size_t>(kChannelCount)) {
            const int first = rows[kChannelCount].text->line;
            return ListError(first, 1,
                             "more rows than the radio's 16 channels: lines " +
                                 std::to_string(first) + " to " +
                                 std::to_string(rows.back().text->line) + " are extra");
        }
        for (const ChirpRow& row : rows) {
            const std::vector<std::string>& cells = row.text->cells;
            const int width = static_cast<int>(cells.size());
            // Spreadsheets write empty cells past the last column of the header.
            const bool emptyBeyondHeader =
                width > layout_.Width() &&
                std::all_of(cells.begin() + layout_.Width(), cells.end(),
                            [](const std::string& c) { return TrimmedCell(c).empty(); });
            if (width < layout_.Width() || (width > layout_.Width() && !emptyBeyondHeader)) {
                return ListError(row.text->line, std::min(width, layout_.Width()) + 1,
                                 "a row of " + std::to_string(width) +
                                     " values under a header of " +
                                     std::to_string(layout_.Width()) + " columns");
            }
        }
        return {};
    }

    ChannelListResult ReadRow(ChirpRow& row) const {
        for (auto step :
             {&ChirpReader::ReadFrequencies, &ChirpReader::ReadTones, &ChirpReader::ReadWords,
              &ChirpReader::ReadName, &ChirpReader::ReadUnheld}) {
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
        if (bytes->size() > channel::Name.size && !options_.shortenNames) {
            return WithRemedy(Error(row, Column::Name,
                                    "longer than the 6 bytes a name holds (a Chinese character "
                                    "takes 2); ask to shorten names to cut it"),
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

    ChannelListResult PlaceRows(std::vector<ChirpRow>& rows) const {
        if (options_.renumber) {
            for (size_t i = 0; i < rows.size(); ++i) {
                rows[i].channel = static_cast<int>(i) + 1;
            }
            return {};
        }
        if (!layout_.Has(Column::Location)) {
            return WithRemedy(ListError(1, 1,
                                        "no Location column to say which channel a row is for; "
                                        "ask to place the rows in order from channel 1"),
                              ListRemedy::Renumber);
        }
        int lineOfChannel[kChannelCount + 1] = {};
        for (ChirpRow& row : rows) {
            const std::string_view text = Text(row, Column::Location);
            int channel = 0;
            if (!text.empty() && text.size() <= 3 &&
                text.find_first_not_of("0123456789") == std::string_view::npos) {
                channel = std::atoi(std::string(text).c_str());
            }
            if (channel < 1 || channel > kChannelCount) {
                return WithRemedy(Error(row, Column::Location,
                                        "not a channel from 1 to 16; ask to place the rows in "
                                        "order from channel 1 to import a list kept at other "
                                        "locations"),
                                  ListRemedy::Renumber);
            }
            if (lineOfChannel[channel] != 0) {
                return WithRemedy(Error(row, Column::Location,
                                        "a location listed before, on line " +
                                            std::to_string(lineOfChannel[channel])),
                                  ListRemedy::Renumber);
            }
            lineOfChannel[channel] = row.text->line;
            row.channel = channel;
        }
        return {};
    }

    // The file's power levels in watts are the source radio's; the higher of two is our High,
    // the lower our Low. A third level has no place.
    ChannelListResult RankPowers(std::vector<ChirpRow>& rows) const {
        std::vector<uint64_t> levels;
        for (const ChirpRow& row : rows) {
            if (row.power.kind != PowerCell::Kind::Watts ||
                std::ranges::find(levels, row.power.milliwatts) != levels.end()) {
                continue;
            }
            if (levels.size() == 2) {
                return Error(row, Column::Power,
                             "a third power level in the list; the radio has two, High and Low");
            }
            levels.push_back(row.power.milliwatts);
        }
        const uint64_t highest = levels.empty() ? 0 : std::ranges::max(levels);
        for (ChirpRow& row : rows) {
            if (row.power.kind == PowerCell::Kind::Watts) {
                row.power.kind =
                    row.power.milliwatts == highest ? PowerCell::Kind::High : PowerCell::Kind::Low;
            }
        }
        return {};
    }

    const BandLimits& band_;
    const ChirpImportOptions& options_;
    ChirpLayout layout_;
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
    return ChirpReader(band, options).Read(csv, image);
}

}  // namespace radioprog
