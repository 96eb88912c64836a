#include <gtest/gtest.h>

#include "channellist/TextTable.h"

namespace radioprog {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows CellsOf(const TextTableParse& parse) {
    Rows rows;
    for (const auto& row : parse.rows) {
        rows.push_back(row.cells);
    }
    return rows;
}

TEST(TextTable, ReadsWhatFilesAndSpreadsheetsWrite) {
    struct Case {
        const char* name;
        std::string text;
        Rows rows;
    };
    const Case cases[] = {
        {"CRLF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"LF and no last line end", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"CR alone", "a\rb\r", {{"a"}, {"b"}}},
        {"byte order mark", "\xEF\xBB\xBFNO.,x\r\n", {{"NO.", "x"}}},
        {"empty cells", ",,\r\n", {{"", "", ""}}},
        {"blank lines left out", "\r\na\r\n\r\n\nb\r\n", {{"a"}, {"b"}}},
        {"quoted separator and quotes", "\"a,b\",\"say \"\"hi\"\"\"\r\n", {{"a,b", "say \"hi\""}}},
        {"line break in a quoted cell", "\"two\r\nlines\",x\r\n", {{"two\r\nlines", "x"}}},
        {"quoted empty cell", "\"\"\r\n", {{""}}},
        {"UTF-8", "\xE4\xB8\xAD\xE6\x96\x87,b\r\n", {{"\xE4\xB8\xAD\xE6\x96\x87", "b"}}},
    };
    for (const Case& c : cases) {
        const TextTableParse parse = ParseTextTable(c.text, ',');
        ASSERT_TRUE(parse) << c.name << ": " << parse.error.why;
        EXPECT_EQ(CellsOf(parse), c.rows) << c.name;
    }
}

TEST(TextTable, CountsLinesInsideQuotedCells) {
    const TextTableParse parse = ParseTextTable("a\r\n\"1\n2\n3\",b\r\nc\r\n", ',');
    ASSERT_TRUE(parse);
    ASSERT_EQ(parse.rows.size(), 3u);
    EXPECT_EQ(parse.rows[1].line, 2);
    EXPECT_EQ(parse.rows[2].line, 5);
}

TEST(TextTable, RefusesBrokenTextWithItsLineAndColumn) {
    struct Case {
        std::string text;
        int line, column;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\"e\r\n", 2, 2},         // a quote inside an unquoted cell
        {"a,\"b\"c\r\n", 1, 2},              // text after the closing quote
        {"a\r\nb,\"never\r\nclosed", 2, 2},  // reported where the cell starts
        {"a,b\r\nc,\xFF\xFE\r\n", 2, 2},     // not UTF-8
        {"a,\xC0\xAF\r\n", 1, 2},            // an overlong form of "/"
        {"a,\xED\xA0\x80\r\n", 1, 2},        // a surrogate
        {std::string("a\r\nb,c,d\0e", 10), 2, 3},
    };
    for (const Case& c : cases) {
        const TextTableParse parse = ParseTextTable(c.text, ',');
        ASSERT_FALSE(parse) << c.text;
        EXPECT_EQ(parse.error.line, c.line) << c.text << ": " << parse.error.why;
        EXPECT_EQ(parse.error.column, c.column) << c.text << ": " << parse.error.why;
        EXPECT_TRUE(parse.rows.empty());
    }
}

TEST(TextTable, WrittenTablesReadBackCellForCell) {
    const Rows rows = {{"\xEF\xBB\xBFmark", "a,b", "tab\there", "\"quoted\"", ""},
                       {"", "", "", "", ""},
                       {""},
                       {"line\r\nbreak", "lone\rCR", "lone\nLF", " blanks ", "\xE4\xB8\xAD"}};
    for (const char separator : {',', '\t'}) {
        const std::string text = FormatTextTable(rows, separator, "\r\n");
        const TextTableParse parse = ParseTextTable(text, separator);
        ASSERT_TRUE(parse) << parse.error.why;
        EXPECT_EQ(CellsOf(parse), rows) << text;
    }
    EXPECT_EQ(FormatTextTable({{"a", "b,c"}}, ',', "\r\n"), "a,\"b,c\"\r\n");
    EXPECT_EQ(FormatTextTable({{"a", "b,c"}}, '\t', "\n"), "a\tb,c\n");
}

}  // namespace
}  // namespace radioprog
