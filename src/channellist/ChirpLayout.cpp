#include "channellist/ChirpLayout.h"

#include <algorithm>

#include "channellist/ChannelColumns.h"
#include "lang/AppLang.h"

namespace radioprog {

namespace {

using THaldenFuncs::detail::EqualsIgnoringCase;

constexpr std::string_view kCaptions[kChirpColumnCount] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
};

}  // namespace

std::string_view ChirpCaption(ChirpColumn column) {
    return kCaptions[static_cast<int>(column)];
}

ChannelListResult ChirpLayout::Read(const TextTableRow& header) {
    position_.fill(-1);
    unknown_.clear();
    width_ = static_cast<int>(header.cells.size());
    for (int i = 0; i < width_; ++i) {
        const std::string_view caption = TrimmedCell(header.cells[static_cast<size_t>(i)]);
        const auto known = std::ranges::find_if(
            kCaptions, [&](std::string_view k) { return EqualsIgnoringCase(k, caption); });
        if (known == std::end(kCaptions)) {
            unknown_.push_back(i);
            continue;
        }
        int& position = position_[static_cast<size_t>(known - std::begin(kCaptions))];
        if (position >= 0) {
            return ListError(header.line, i + 1, "a column named twice", std::string(caption));
        }
        position = i;
    }
    return {};
}

const std::string* ChirpLayout::Cell(const ChirpRow& row, ChirpColumn column) const {
    // A short row has no cell under the last columns: it is refused, but its other cells
    // still name it in messages and in a chooser.
    const int at = Position(column);
    return at < 0 || at >= static_cast<int>(row.text->cells.size())
               ? nullptr
               : &row.text->cells[static_cast<size_t>(at)];
}

std::string_view ChirpLayout::Text(const ChirpRow& row, ChirpColumn column) const {
    const std::string* cell = Cell(row, column);
    return cell ? TrimmedCell(*cell) : std::string_view();
}

ChannelListResult ChirpLayout::Error(const ChirpRow& row, ChirpColumn column,
                                     std::string why) const {
    ChannelListResult result = ListError(row.text->line, Position(column) + 1, std::move(why),
                                         std::string(Text(row, column)));
    result.error.caption = std::string(ChirpCaption(column));
    result.error.channel = row.channel;
    return result;
}

}  // namespace radioprog
