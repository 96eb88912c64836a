#pragma once
// Texts of the channel editing commands that go beyond the main window's own table (undo,
// the clipboard, moving channels, channel lists). They are kept in a table of their own so
// that the main window's TextIds stay exactly as they are.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class ChannelEditTextId : int {
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    ClearChannels,
    MoveUp,
    MoveDown,
    ImportChannels,
    ExportChannels,
    CannotPaste,
    CannotImport,
    ChannelListFilter,
    EmptyWriteQuestion,
    FreqOutsideBand,  // %1 typed, %2-%3 the band, %4 stored
    FreqOffRaster,    // %1 typed, %2 stored
    ToneNotInList,    // %1 typed
    UndoReadFromRadio,
    RecentProjects,
    ViewMenu,
    ChannelFields,
    CarrierTip,
    MultiRadioListFilter,
    PlaceFromChannelOne,
    ShortenNames,
    MovedValuesWriteQuestion,  // %1 the lines below, one a value
    MovedValueLine,            // %1 channel, %2 column caption, %3 typed, %4 stored
    FillDown,
    FillDownNothingToCopy,
    ApplyToSelectedQuestion,  // %1 how many channels are selected
    ApplyToSelected,
    OnlyThisChannel,
    DuplexOffset,
    DuplexOffsetPrompt,
    DuplexOffsetNotUnderstood,  // %1 typed
    DuplexOutsideBand,          // %1 channel, %2 transmit MHz, %3-%4 the band
    DuplexOffRaster,            // %1 channel, %2 transmit MHz
    DuplexNoChannelInUse,
    Count,  // not a text: how many there are
};

LocalisedTableSource ChannelEditTextSource();
const LocalisedTable& ChannelEditTextTable();
// The text in the current language, decoded to UTF-8 for the windows.
std::string ChannelEditTextUtf8(const THaldenFuncs::TAppLang& lang, ChannelEditTextId id);

}  // namespace radioprog
