#pragma once
// File -> Import channels... and Export channels...: the project's channels as a CSV list,
// ours or the open multi-radio format (the save dialog's second filter), and a list of either
// (told apart by its header) whose rows the user chooses in the import dialog. A file that is
// no list at all is refused with the line, column and why; after an import a message says
// what was taken, what was skipped and why, and what the list left to defaults.

#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// Asks for a list and the rows to take, and stores them over the project; true when the
// project changed.
bool ImportChannelList(GuiContext& context, QWidget* owner);

// Asks for a file name and writes the channels there, whole or not at all.
void ExportChannelList(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
