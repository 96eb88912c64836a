#include "channellist/ChannelClipboardText.h"

#include <algorithm>
#include <vector>

namespace radioprog {

namespace {

constexpr ChannelColumn kClipboardColumns[] = {
    ChannelColumn::RxFreq,   ChannelColumn::TxFreq,      ChannelColumn::RxTone,
    ChannelColumn::TxTone,   ChannelColumn::Power,       ChannelColumn::Bandwidth,
    ChannelColumn::BusyLock, ChannelColumn::Name,        ChannelColumn::ScanAdd,
    ChannelColumn::Dtmf,     ChannelColumn::SquelchMode,
};

bool IsCaptionRow(const TextTableRow& row) {
    return std::ranges::all_of(
        row.cells, [](const std::string& cell) { return ColumnFromHeader(cell).has_value(); });
}

}  // namespace

std::span<const ChannelColumn> ClipboardColumns() {
    return kClipboardColumns;
}

std::string ChannelsAsTsv(const ProjectImage& image, std::span<const int> channels,
                          THaldenFuncs::TLangType words) {
    std::vector<std::vector<std::string>> rows;
    for (const int n : channels) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const ChannelColumn column : kClipboardColumns) {
            row.push_back(image.IsChannelValid(n) ? ChannelFieldText(image, n, column, words)
                                                  : std::string());
        }
    }
    return FormatTextTable(rows, '\t', "\n");
}

ChannelListResult PasteChannelsTsv(std::string_view text, int firstChannel, ProjectImage& image,
                                   const BandLimits& band, TonesOutsideTheList outside) {
    if (firstChannel < 1 || firstChannel > kChannelCount) {
        return ListError(1, 1, "no channel chosen to paste onto");
    }
    const TextTableParse table = ParseTextTable(text, '\t');
    if (!table) {
        return ListError(table.error.line, table.error.column, table.error.why);
    }
    auto rows = std::span(table.rows);
    ColumnLayout layout;
    if (!rows.empty() && IsCaptionRow(rows.front())) {
        if (auto error = ReadColumnLayout(rows.front(), layout); !error) {
            return error;
        }
        rows = rows.subspan(1);
    } else {
        size_t widest = 0;
        for (const TextTableRow& row : rows) {
            widest = std::max(widest, row.cells.size());
        }
        layout = LayoutOf(widest == AllColumns().size() ? AllColumns() : ClipboardColumns());
    }
    // Rows land from the current channel down, whatever channel they were copied from.
    layout.position[static_cast<int>(ChannelColumn::Number)] = -1;
    if (rows.empty()) {
        return ListError(1, 1, "no channel to paste: the clipboard holds no rows of values");
    }
    std::vector<ChannelListRow> targets;
    for (const TextTableRow& row : rows) {
        const int channel = firstChannel + static_cast<int>(targets.size());
        if (static_cast<int>(row.cells.size()) > layout.width) {
            return ListError(row.line, layout.width + 1,
                             "one value more than the " + std::to_string(layout.width) +
                                 " columns a channel has",
                             row.cells[static_cast<size_t>(layout.width)]);
        }
        if (channel > kChannelCount) {
            return ListError(row.line, 1,
                             "a row for a channel past 16: paste " +
                                 std::to_string(kChannelCount - firstChannel + 1) +
                                 " rows at most from channel " + std::to_string(firstChannel));
        }
        targets.push_back({&row, channel});
    }
    return StoreChannelRows(targets, layout, image, band, outside, ControlsInNames::Keep);
}

}  // namespace radioprog
