#include "dialogs/ui/ServiceDialogs.h"

namespace radioprog::ui {

// The service windows arrive with their own work; until then the menu items open nothing.
void RunAccessCodeDialog(GuiContext&, QWidget*) {}
void RunSetPasswordDialog(GuiContext&, QWidget*) {}
void RunNewPasswordDialog(GuiContext&, QWidget*) {}

}  // namespace radioprog::ui
