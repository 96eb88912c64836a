#include "gui/FileErrors.h"

#include "gui/UiText.h"

namespace radioprog::ui {

void TellFileError(GuiContext& context, QWidget* owner, ToolTextId heading,
                   const FileResult& result) {
    context.Tell(owner, FromUtf8(ToolTextUtf8(context.data.lang, heading)) + QLatin1Char('\n') +
                            FromUtf8(result.message));
}

}  // namespace radioprog::ui
