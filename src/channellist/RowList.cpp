#include "channellist/RowList.h"

#include <algorithm>

#include "channellist/ChannelColumns.h"

namespace radioprog {

namespace {

// A list file of at most 1 MiB holds fewer rows than this.
constexpr int kMostRows = 1 << 20;

std::optional<int> RowNumber(std::string_view text) {
    text = TrimmedCell(text);
    if (text.empty() || text.size() > 7 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int number = 0;
    for (const char c : text) {
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > kMostRows) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

RowListParse ParseRowList(std::string_view text) {
    RowListParse parse;
    const std::string example = "; write rows from 1 like 1-16 or 3,5,9-12";
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, comma - start);
        const size_t dash = item.find('-');
        const auto from = RowNumber(item.substr(0, dash));
        const auto to = dash == std::string_view::npos ? from : RowNumber(item.substr(dash + 1));
        if (!from || !to) {
            parse.rows.clear();
            parse.why = "\"" + std::string(TrimmedCell(item)) +
                        "\" is not a row or a range of rows" + example;
            return parse;
        }
        if (*from > *to) {
            parse.rows.clear();
            parse.why = "\"" + std::string(TrimmedCell(item)) +
                        "\" is a range that ends before it starts" + example;
            return parse;
        }
        for (int row = *from; row <= *to; ++row) {
            parse.rows.push_back(row);
        }
        start = comma + 1;
    }
    std::sort(parse.rows.begin(), parse.rows.end());
    parse.rows.erase(std::unique(parse.rows.begin(), parse.rows.end()), parse.rows.end());
    return parse;
}

}  // namespace radioprog
