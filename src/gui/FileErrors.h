#pragma once
// A file that could not be opened or saved: a heading in the language in use over the
// system's own words, which name the file and the reason.

#include "gui/GuiContext.h"
#include "lang/ToolText.h"
#include "model/FileResult.h"

class QWidget;

namespace radioprog::ui {

void TellFileError(GuiContext& context, QWidget* owner, ToolTextId heading,
                   const FileResult& result);

}  // namespace radioprog::ui
