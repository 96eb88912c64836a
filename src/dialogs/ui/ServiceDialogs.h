#pragma once
// The service and password windows, as the main window's menu opens them.

#include "dialogs/ui/TPasswordDlg.h"
#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// The access-code dialog; which service window its code opens (None when cancelled).
ServiceWindow AskAccessCode(GuiContext& context, QWidget* owner);
// The band limits (TBandSetDlg).
void RunBandLimitsDialog(GuiContext& context, QWidget* owner);
// The unlock password of a protected radio (TSetPasswordDlg).
void RunSetPasswordDialog(GuiContext& context, QWidget* owner);
// The new radio password (TNewPasswordDlg).
void RunNewPasswordDialog(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
