#pragma once
// File -> Import channels... and Export channels...: the project's channels as a CSV list,
// and a list read over the project, all or nothing, with a message that names the line,
// column and value that stopped it.

#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// Asks for a list and stores it over the project; true when the project changed.
bool ImportChannelList(GuiContext& context, QWidget* owner);

// Asks for a file name and writes the channels there, whole or not at all.
void ExportChannelList(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
