#include "channellist/ChannelCsv.h"

#include <vector>

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

ChannelListResult CheckRows(const std::vector<TextTableRow>& rows, const ColumnLayout& layout,
                            std::vector<ChannelListRow>& listed) {
    const int numberAt = layout.position[static_cast<int>(ChannelColumn::Number)];
    if (numberAt < 0) {
        return ListError(rows[0].line, 1,
                         "missing the " + ColumnHeader(ChannelColumn::Number) +
                             " column, which says which channel a row is for");
    }
    int lineOfChannel[kChannelCount + 1] = {};
    for (size_t i = 1; i < rows.size(); ++i) {
        const TextTableRow& row = rows[i];
        const int width = static_cast<int>(row.cells.size());
        if (width != layout.width) {
            return ListError(row.line, std::min(width, layout.width) + 1,
                             "a row of " + std::to_string(width) + " values under a header of " +
                                 std::to_string(layout.width) + " columns");
        }
        const std::string& numberText = row.cells[static_cast<size_t>(numberAt)];
        const int channel = ParseChannelNumber(numberText);
        ChannelListResult error;
        if (channel == 0) {
            error =
                ListError(row.line, numberAt + 1, "not a channel number from 1 to 16", numberText);
        } else if (lineOfChannel[channel] != 0) {
            error = ListError(
                row.line, numberAt + 1,
                "a channel listed before, on line " + std::to_string(lineOfChannel[channel]),
                numberText);
        }
        if (!error) {
            error.error.caption = ColumnHeader(ChannelColumn::Number);
            return error;
        }
        lineOfChannel[channel] = row.line;
        listed.push_back({&row, channel});
    }
    return {};
}

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
    if (csv.size() > kMaxChannelCsvSize) {
        return ListError(1, 1, "a file larger than any channel list (over 1 MiB)");
    }
    const TextTableParse table = ParseTextTable(csv, ',');
    if (!table) {
        return ListError(table.error.line, table.error.column, table.error.why);
    }
    if (table.rows.empty()) {
        return ListError(1, 1,
                         "the file is empty; a channel list starts with a row of column captions");
    }
    ColumnLayout layout;
    if (auto error = ReadColumnLayout(table.rows[0], layout); !error) {
        return error;
    }
    std::vector<ChannelListRow> listed;
    if (auto error = CheckRows(table.rows, layout, listed); !error) {
        return error;
    }
    return StoreChannelRows(listed, layout, image, band);
}

}  // namespace radioprog
