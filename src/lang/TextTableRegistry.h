#pragma once
// Every text table of the program in one list, so that a check over the texts walks all of
// them. The tables are built here and nowhere else (LocalisedTable's constructor is the
// registry's): a new table that is not listed does not compile, and one listed twice or out of
// place fails the static_asserts beside the list.

#include <span>
#include <string_view>

#include "lang/LocalisedTable.h"

namespace radioprog {

enum class TextTableId : int {
    Interface,
    Session,
    PortDialog,
    Adjustment,
    UserWarnDlg,
    ChannelEdit,
    Tool,
    Sheet,
    WriteCheck,
    Compare,
    History,
    WriteRefusal,
    Bench,
    Window,
    ProjectFile,
    Import,
    Count,  // not a table: how many there are
};

struct TextTableEntry {
    TextTableId id;
    std::string_view name;
    LocalisedTableSource (*source)();
};

// One entry per table, in TextTableId order.
std::span<const TextTableEntry> AllTextTables();

// The table of the id, built from its entry's rows. Every table is converted on the first
// lookup of any, once; each table's own accessor returns this object.
const LocalisedTable& TextTable(TextTableId id);

}  // namespace radioprog
