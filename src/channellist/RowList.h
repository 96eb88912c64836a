#pragma once
// Rows of a list chosen by number, as people write them: "1-16", "3,5,9-12".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radioprog {

struct RowListParse {
    std::vector<int> rows;  // ascending, each once
    std::string why;        // empty when the text is a row list
    explicit operator bool() const { return why.empty(); }
};

// Numbers from 1 and ranges "from-to" separated by commas, blanks allowed around each. No row
// beyond the largest a channel list file can hold, so a slip like "1-1000000000" is a clear
// error, not a long wait.
RowListParse ParseRowList(std::string_view text);

}  // namespace radioprog
