#pragma once
// A channel column's caption wherever channels are shown to a person (the grid, the sheet,
// the comparison): a column only the project file keeps says so, so that nobody takes it for
// something the radio holds.

#include <string>

#include "channellist/ChannelColumns.h"
#include "lang/AppLang.h"

namespace radioprog {

// The caption in the given language, "Name (file only)" for a column the radio does not hold.
std::string MarkedColumnCaption(ChannelColumn column, THaldenFuncs::TLangType language);
// Why the column is marked; empty for a column the radio holds.
std::string FileOnlyTip(ChannelColumn column, THaldenFuncs::TLangType language);

}  // namespace radioprog
