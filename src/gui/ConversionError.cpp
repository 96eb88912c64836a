#include "gui/ConversionError.h"

#include "gui/UiText.h"
#include "lang/ToolText.h"

namespace radioprog::ui {

void ReportConversionError(GuiContext& context, QWidget* owner, const QString& text) {
    context.Tell(owner,
                 FromUtf8(ToolTextUtf8(context.data.lang, ToolTextId::NotANumber)).arg(text));
}

}  // namespace radioprog::ui
