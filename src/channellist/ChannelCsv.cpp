#include "channellist/ChannelCsv.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "channellist/ListRowReader.h"

namespace radioprog {

namespace {

// A channel number as people write it: digits only, leading zeros allowed ("07").
int ParseChannelNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 3) {
        return 0;
    }
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number <= kChannelCount ? number : 0;
}

class OwnRowReader final : public ListRowReader {
  public:
    explicit OwnRowReader(const BandLimits& band) : band_(band) {}

    std::optional<ChannelListError> Open(std::string_view csv) override {
        if (auto refused = ReadListCells(csv, table_)) {
            return refused;
        }
        if (table_.rows.empty()) {
            return ListError(
                       1, 1,
                       "the file is empty; a channel list starts with a row of column captions")
                .error;
        }
        if (auto error = ReadColumnLayout(table_.rows[0], layout_); !error) {
            return error.error;
        }
        return std::nullopt;
    }

    int RowCount() const override { return static_cast<int>(table_.rows.size()) - 1; }
    int Line(int index) const override { return Row(index).line; }
    bool Blank(int index) const override {
        return std::ranges::all_of(Row(index).cells,
                                   [](const std::string& c) { return TrimmedCell(c).empty(); });
    }
    std::string FrequencyText(int index) const override {
        return std::string(TrimmedCell(CellText(index, ChannelColumn::RxFreq)));
    }
    std::string NameText(int index) const override { return CellText(index, ChannelColumn::Name); }

    ListedChannel Listed(int index) const override {
        const TextTableRow& row = Row(index);
        const int numberAt = layout_.position[static_cast<int>(ChannelColumn::Number)];
        ListedChannel listed;
        if (numberAt < 0) {
            listed.cell = ListError(row.line, 1,
                                    "no " + ColumnHeader(ChannelColumn::Number) +
                                        " column to say which channel the row is for")
                              .error;
            return listed;
        }
        const std::string numberText = CellText(index, ChannelColumn::Number);
        listed.cell =
            ListError(row.line, numberAt + 1, "not a channel number from 1 to 16", numberText)
                .error;
        listed.cell.caption = ColumnHeader(ChannelColumn::Number);
        listed.channel = ParseChannelNumber(numberText);
        return listed;
    }

    // The values are read against the channel the row names, as they will be stored there
    // (a value that reads as the stored one is kept); a row naming none against a new channel.
    std::optional<ChannelListError> Check(int index, const ProjectImage& base,
                                          int listedChannel) override {
        const TextTableRow& row = Row(index);
        const int width = static_cast<int>(row.cells.size());
        if (width != layout_.width) {
            return ListError(row.line, std::min(width, layout_.width) + 1,
                             "a row of " + std::to_string(width) + " values under a header of " +
                                 std::to_string(layout_.width) + " columns")
                .error;
        }
        ProjectImage trial = base;
        const int channel = listedChannel != 0 ? listedChannel : 1;
        if (listedChannel == 0) {
            trial.SetChannelValid(channel, false);
        }
        if (const auto error = StoreChannelRow(CellsOf(row, layout_), channel, trial, band_)) {
            return CellRefusal(row, layout_, listedChannel, *error);
        }
        return std::nullopt;
    }

    std::optional<ChannelListError> Store(int index, int channel, ProjectImage& image) override {
        ProjectImage stored = image;
        if (const auto error =
                StoreChannelRow(CellsOf(Row(index), layout_), channel, stored, band_)) {
            return CellRefusal(Row(index), layout_, channel, *error);
        }
        image = stored;
        return std::nullopt;
    }

    // Our own export writes every column; a list trimmed by hand says what it left to the
    // project.
    std::vector<std::string> Notes(std::span<const int> taken) const override {
        std::string missing;
        int count = 0;
        for (int c = 1; c < kChannelColumnCount; ++c) {
            if (layout_.position[c] < 0) {
                missing += (count++ == 0 ? "" : ", ") + ColumnHeader(static_cast<ChannelColumn>(c));
            }
        }
        if (taken.empty() || count == 0) {
            return {};
        }
        return {"No " + missing + (count == 1 ? " column" : " columns") +
                ": an overwritten channel keeps its values there, and a new channel takes the "
                "radio's defaults."};
    }

  private:
    const TextTableRow& Row(int index) const { return table_.rows[static_cast<size_t>(index) + 1]; }
    std::string CellText(int index, ChannelColumn column) const {
        const int position = layout_.position[static_cast<int>(column)];
        const auto& cells = Row(index).cells;
        return position >= 0 && position < static_cast<int>(cells.size())
                   ? cells[static_cast<size_t>(position)]
                   : std::string();
    }

    const BandLimits& band_;
    TextTableParse table_;
    ColumnLayout layout_;
};

}  // namespace

std::string ExportChannelsCsv(const ProjectImage& image) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header;
    for (const ChannelColumn column : AllColumns()) {
        header.push_back(ColumnHeader(column));
    }
    rows.push_back(header);
    for (int n = 1; n <= kChannelCount; ++n) {
        std::vector<std::string> row(kChannelColumnCount);
        row[0] = std::to_string(n);
        for (int c = 1; image.IsChannelValid(n) && c < kChannelColumnCount; ++c) {
            row[static_cast<size_t>(c)] = ChannelFieldText(image, n, static_cast<ChannelColumn>(c));
        }
        rows.push_back(row);
    }
    return FormatTextTable(rows, ',', "\r\n");
}

ChannelListResult ImportChannelsCsv(std::string_view csv, ProjectImage& image,
                                    const BandLimits& band) {
    OwnRowReader reader(band);
    return ResultOf(PlanWithReader(reader, csv, image, {}), image);
}

std::unique_ptr<ListRowReader> OwnListRowReader(const BandLimits& band) {
    return std::make_unique<OwnRowReader>(band);
}

}  // namespace radioprog
