#include "channellist/ChannelList.h"

#include <cstdio>

namespace radioprog {

namespace {

// A cell is quoted whole up to this many characters; a longer one by its start and its size,
// so that a pasted page or a megabyte cell still makes a message of one readable line.
constexpr size_t kQuotedCharacters = 40;

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Control characters of a cell written as escapes (\r, \n, \t, \x1B, \u009B): a cell quoted in
// a message must not break the message's line or send a terminal an escape sequence.
std::string Visible(const std::string& value) {
    std::string visible;
    for (size_t at = 0; at < value.size(); ++at) {
        const auto byte = static_cast<unsigned char>(value[at]);
        const auto next = at + 1 < value.size() ? static_cast<unsigned char>(value[at + 1]) : 0;
        char escape[8] = {};
        if (byte == '\r' || byte == '\n' || byte == '\t') {
            visible += byte == '\r' ? "\\r" : byte == '\n' ? "\\n" : "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            visible += escape;
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            std::snprintf(escape, sizeof escape, "\\u%04X", next);
            visible += escape;
            ++at;
        } else {
            visible += value[at];
        }
    }
    return visible;
}

std::string Quoted(const std::string& cell) {
    const std::string value = Visible(cell);
    size_t characters = 0;
    size_t cut = value.size();
    for (size_t at = 0; at < value.size(); ++at) {
        if (StartsCharacter(value[at]) && characters++ == kQuotedCharacters) {
            cut = at;
        }
    }
    if (cut == value.size()) {
        return "\"" + value + "\"";
    }
    return std::string("\"").append(value, 0, cut).append("...\" (") + std::to_string(characters) +
           " characters)";
}

}  // namespace

std::string ChannelListError::Message() const {
    std::string message = "line " + std::to_string(line) + ", column " + std::to_string(column);
    if (!caption.empty()) {
        message += " (" + caption + ")";
    }
    if (channel != 0) {
        message += ", channel " + std::to_string(channel);
    }
    message += ": ";
    if (!value.empty()) {
        message += Quoted(value) + " is ";
    }
    return message + why;
}

ChannelListResult ListError(int line, int column, std::string why, std::string value) {
    ChannelListResult result;
    result.ok = false;
    result.error = {line, column, {}, 0, std::move(value), std::move(why)};
    return result;
}

std::span<const ChannelColumn> AllColumns() {
    static const auto columns = [] {
        std::array<ChannelColumn, kChannelColumnCount> all;
        for (int c = 0; c < kChannelColumnCount; ++c) {
            all[static_cast<size_t>(c)] = static_cast<ChannelColumn>(c);
        }
        return all;
    }();
    return columns;
}

ChannelListResult ReadColumnLayout(const TextTableRow& captions, ColumnLayout& layout) {
    layout.position.fill(-1);
    layout.width = static_cast<int>(captions.cells.size());
    for (int i = 0; i < layout.width; ++i) {
        const std::string& caption = captions.cells[static_cast<size_t>(i)];
        const auto column = ColumnFromHeader(caption);
        if (!column) {
            std::string known;
            for (int c = 0; c < kChannelColumnCount; ++c) {
                known += (c == 0 ? "" : ", ") + ColumnHeader(static_cast<ChannelColumn>(c));
            }
            return ListError(captions.line, i + 1, "not a known column; the columns are " + known,
                             caption);
        }
        int& position = layout.position[static_cast<int>(*column)];
        if (position >= 0) {
            return ListError(captions.line, i + 1, "a column named twice", caption);
        }
        position = i;
    }
    return {};
}

ColumnLayout LayoutOf(std::span<const ChannelColumn> columns) {
    ColumnLayout layout;
    layout.position.fill(-1);
    layout.width = static_cast<int>(columns.size());
    for (int i = 0; i < layout.width; ++i) {
        layout.position[static_cast<int>(columns[static_cast<size_t>(i)])] = i;
    }
    return layout;
}

ChannelRowCells CellsOf(const TextTableRow& row, const ColumnLayout& layout) {
    ChannelRowCells fields;
    for (int c = 0; c < kChannelColumnCount; ++c) {
        const int position = layout.position[c];
        if (position >= 0 && position < static_cast<int>(row.cells.size())) {
            fields[c] = row.cells[static_cast<size_t>(position)];
        }
    }
    return fields;
}

ChannelListError CellRefusal(const TextTableRow& row, const ColumnLayout& layout, int channel,
                             const ChannelCellError& error) {
    const int c = static_cast<int>(error.column);
    const int position = layout.position[c];
    const bool present = position >= 0 && position < static_cast<int>(row.cells.size());
    ChannelListResult result =
        ListError(row.line, position + 1, error.why,
                  present ? row.cells[static_cast<size_t>(position)] : std::string());
    result.error.caption = ColumnHeader(error.column);
    result.error.channel = channel;
    return result.error;
}

ChannelListResult StoreChannelRows(std::span<const ChannelListRow> rows, const ColumnLayout& layout,
                                   ProjectImage& image, const BandLimits& band,
                                   TonesOutsideTheList outside, ControlsInNames controls) {
    ProjectImage stored = image;
    for (const ChannelListRow& row : rows) {
        if (const auto error = StoreChannelRow(CellsOf(*row.text, layout), row.channel, stored,
                                               band, outside, controls)) {
            ChannelListResult result;
            result.ok = false;
            result.error = CellRefusal(*row.text, layout, row.channel, *error);
            return result;
        }
    }
    image = stored;
    ChannelListResult result;
    result.rows = static_cast<int>(rows.size());
    return result;
}

}  // namespace radioprog
