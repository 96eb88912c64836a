#include "gui/ConversionError.h"

namespace radioprog::ui {

void ReportConversionError(GuiContext& context, QWidget* owner, const QString& text) {
    context.Tell(owner, QStringLiteral("'%1' is not a valid number").arg(text));
}

}  // namespace radioprog::ui
