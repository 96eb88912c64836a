#pragma once
// File -> Import channels... and Export channels...: the project's channels as a CSV list,
// ours or the open multi-radio format (the save dialog's second filter), and a list of either
// (told apart by its header) read over the project, all or nothing, with a message that names
// the line, column and value that stopped it. A multi-radio list kept at other locations than
// 1 to 16, or with names longer than the radio's, is placed from channel 1 or has its names
// shortened when the user agrees.

#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// Asks for a list and stores it over the project; true when the project changed.
bool ImportChannelList(GuiContext& context, QWidget* owner);

// Asks for a file name and writes the channels there, whole or not at all.
void ExportChannelList(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
