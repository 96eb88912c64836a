#include "lang/TextTableRegistry.h"

#include <cstddef>
#include <iterator>
#include <vector>

#include "lang/BenchText.h"
#include "lang/ChannelEditText.h"
#include "lang/CompareText.h"
#include "lang/DialogTexts.h"
#include "lang/HistoryText.h"
#include "lang/ImportText.h"
#include "lang/InterfaceText.h"
#include "lang/ProjectFileText.h"
#include "lang/SheetText.h"
#include "lang/ToolText.h"
#include "lang/WindowText.h"
#include "lang/WriteCheckText.h"
#include "lang/WriteRefusalText.h"

namespace radioprog {

namespace {

constexpr TextTableEntry kTables[] = {
    {TextTableId::Interface, "InterfaceText", InterfaceTextSource},
    {TextTableId::Session, "SessionText", SessionTextSource},
    {TextTableId::PortDialog, "PortDialogText", PortDialogTextSource},
    {TextTableId::Adjustment, "AdjustmentText", AdjustmentTextSource},
    {TextTableId::UserWarnDlg, "UserWarnDlgText", UserWarnDlgTextSource},
    {TextTableId::ChannelEdit, "ChannelEditText", ChannelEditTextSource},
    {TextTableId::Tool, "ToolText", ToolTextSource},
    {TextTableId::Sheet, "SheetText", SheetTextSource},
    {TextTableId::WriteCheck, "WriteCheckText", WriteCheckTextSource},
    {TextTableId::Compare, "CompareText", CompareTextSource},
    {TextTableId::History, "HistoryText", HistoryTextSource},
    {TextTableId::WriteRefusal, "WriteRefusalText", WriteRefusalTextSource},
    {TextTableId::Bench, "BenchText", BenchTextSource},
    {TextTableId::Window, "WindowText", WindowTextSource},
    {TextTableId::ProjectFile, "ProjectFileText", ProjectFileTextSource},
    {TextTableId::Import, "ImportText", ImportTextSource},
};

constexpr bool EachEntryAtItsId() {
    for (std::size_t i = 0; i < std::size(kTables); ++i) {
        if (static_cast<std::size_t>(kTables[i].id) != i) {
            return false;
        }
    }
    return true;
}

// With both, every id has exactly one entry.
static_assert(std::size(kTables) == static_cast<std::size_t>(TextTableId::Count),
              "one entry per table");
static_assert(EachEntryAtItsId(), "the entries in TextTableId order");

}  // namespace

struct TextTableBuilder {
    static std::vector<LocalisedTable> BuildAll() {
        std::vector<LocalisedTable> tables;
        tables.reserve(std::size(kTables));
        for (const TextTableEntry& entry : kTables) {
            tables.push_back(LocalisedTable(entry.source()));
        }
        return tables;
    }
};

std::span<const TextTableEntry> AllTextTables() {
    return kTables;
}

const LocalisedTable& TextTable(TextTableId id) {
    static const std::vector<LocalisedTable> tables = TextTableBuilder::BuildAll();
    return tables[static_cast<std::size_t>(id)];
}

}  // namespace radioprog
