#pragma once
// Tables as text: comma-separated files as RFC 4180 has them, and the tab-separated text that
// spreadsheets put on the clipboard. Both quote a cell that holds the separator, a quote or a
// line break, double the quotes inside it, and may hold line breaks inside quoted cells.

#include <string>
#include <string_view>
#include <vector>

namespace radioprog {

struct TextTableRow {
    int line = 0;  // the line of the text on which the row starts, from 1
    std::vector<std::string> cells;
};

struct TextTableError {
    int line = 0;
    int column = 0;  // from 1
    std::string why;
};

struct TextTableParse {
    bool ok = true;
    std::vector<TextTableRow> rows;
    TextTableError error;
    explicit operator bool() const { return ok; }
};

// Reads UTF-8 text (a leading byte order mark is skipped) with CRLF, LF or CR line ends.
// Blank lines are left out. Text that is not UTF-8, holds a zero byte, has a quote inside an
// unquoted cell, text after a closing quote, or a quote that is never closed is refused with
// the line and column where it went wrong.
TextTableParse ParseTextTable(std::string_view text, char separator);

// Writes the rows with the given line end after every row, quoting cells where needed.
std::string FormatTextTable(const std::vector<std::vector<std::string>>& rows, char separator,
                            std::string_view lineEnd);

}  // namespace radioprog
