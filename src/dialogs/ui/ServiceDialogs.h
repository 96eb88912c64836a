#pragma once
// The service and password windows, as the main window's menu opens them.

#include "appdata/ui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// The access-code dialog; on its codes it opens the calibration or the band limits dialog.
void RunAccessCodeDialog(GuiContext& context, QWidget* owner);
// The unlock password of a protected radio (TSetPasswordDlg).
void RunSetPasswordDialog(GuiContext& context, QWidget* owner);
// The new radio password (TNewPasswordDlg).
void RunNewPasswordDialog(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
