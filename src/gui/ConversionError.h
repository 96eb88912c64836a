#pragma once
// A field whose text is not a number (one that ends with the point, or pasted letters) is
// reported the way the application reports any unexpected error: a message box, after which
// the program goes on and the field keeps the value it had.

#include <QString>

#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// "'400.' is not a valid number", in the message box.
void ReportConversionError(GuiContext& context, QWidget* owner, const QString& text);

}  // namespace radioprog::ui
