#include "channellist/TextTable.h"

#include <cstdint>

namespace radioprog {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF. A name with broken bytes would otherwise reach the code-page conversion.
bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        int length = 0;
        uint32_t lowest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            lowest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            lowest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(length) > text.size()) {
            return false;
        }
        uint32_t code = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<uint8_t>(text[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += static_cast<size_t>(length);
    }
    return true;
}

class TableReader {
  public:
    TableReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    TextTableParse Read() {
        for (pos_ = 0; pos_ < text_.size() && result_.ok; ++pos_) {
            Step(text_[pos_]);
        }
        if (!result_.ok) {
            return result_;
        }
        if (state_ == State::Quoted) {
            Fail(cellLine_, "the quote that opens this value is never closed");
            return result_;
        }
        if (state_ != State::CellStart || !row_.cells.empty()) {
            EndCell() && EndRow();
        }
        return result_;
    }

  private:
    enum class State { CellStart, Unquoted, Quoted, AfterQuote };

    void Step(char c) {
        switch (state_) {
            case State::CellStart:
                cellLine_ = line_;
                if (c == '"') {
                    state_ = State::Quoted;
                    rowQuoted_ = true;
                    return;
                }
                state_ = State::Unquoted;
                [[fallthrough]];
            case State::Unquoted:
                if (c == '"') {
                    Fail(line_, "a quote inside a value that does not start with one");
                } else if (!EndsCell(c)) {
                    cell_ += c;
                }
                return;
            case State::Quoted:
                if (c == '"' && Next() == '"') {
                    cell_ += '"';
                    ++pos_;
                } else if (c == '"') {
                    state_ = State::AfterQuote;
                } else {
                    if (c == '\n' || (c == '\r' && Next() != '\n')) {
                        ++line_;
                    }
                    cell_ += c;
                }
                return;
            case State::AfterQuote:
                if (!EndsCell(c)) {
                    Fail(line_, "text after the quote that closes this value");
                }
                return;
        }
    }

    // Handles the separator and line ends; false for any other character.
    bool EndsCell(char c) {
        if (c == separator_) {
            EndCell();
            state_ = State::CellStart;
            return true;
        }
        if (c != '\r' && c != '\n') {
            return false;
        }
        if (c == '\r' && Next() == '\n') {
            ++pos_;
        }
        if (EndCell() && EndRow()) {
            ++line_;
            row_.line = line_;
            state_ = State::CellStart;
        }
        return true;
    }

    char Next() const { return pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0'; }

    bool EndCell() {
        if (cell_.find('\0') != std::string::npos) {
            return Fail(cellLine_, "a zero byte: this is not text");
        }
        if (!IsUtf8(cell_)) {
            return Fail(cellLine_, "bytes that are not UTF-8 text");
        }
        row_.cells.push_back(std::move(cell_));
        cell_.clear();
        return true;
    }

    bool EndRow() {
        // An empty line is no row, but a line of "" is a row of one empty cell.
        const bool blank = row_.cells.size() == 1 && row_.cells[0].empty() && !rowQuoted_;
        if (!blank) {
            result_.rows.push_back(std::move(row_));
        }
        row_ = {};
        rowQuoted_ = false;
        return true;
    }

    bool Fail(int line, std::string why) {
        result_.ok = false;
        result_.rows.clear();
        result_.error = {line, static_cast<int>(row_.cells.size()) + 1, std::move(why)};
        return false;
    }

    std::string_view text_;
    char separator_;
    size_t pos_ = 0;
    int line_ = 1;
    int cellLine_ = 1;
    State state_ = State::CellStart;
    bool rowQuoted_ = false;
    TextTableRow row_{1, {}};
    std::string cell_;
    TextTableParse result_;
};

// A cell that starts with a byte order mark is quoted too: at the start of a text the mark
// would be read as the file's own and dropped.
bool NeedsQuotes(std::string_view cell, char separator) {
    return cell.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos ||
           cell.starts_with(kByteOrderMark);
}

}  // namespace

TextTableParse ParseTextTable(std::string_view text, char separator) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return TableReader(text, separator).Read();
}

std::string FormatTextTable(const std::vector<std::vector<std::string>>& rows, char separator,
                            std::string_view lineEnd) {
    std::string out;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out += separator;
            }
            // A row of one empty cell would read back as a blank line, which is left out.
            if (NeedsQuotes(row[i], separator) || (row.size() == 1 && row[i].empty())) {
                out += '"';
                for (const char c : row[i]) {
                    out += c;
                    if (c == '"') {
                        out += '"';
                    }
                }
                out += '"';
            } else {
                out += row[i];
            }
        }
        out += lineEnd;
    }
    return out;
}

}  // namespace radioprog
