#include "dialogs/ui/ServiceDialogs.h"

#include "dialogs/ui/TBandSetDlg.h"
#include "dialogs/ui/TNewPasswordDlg.h"
#include "dialogs/ui/TSetPasswordDlg.h"

namespace radioprog::ui {

namespace {

template <typename Dialog>
void RunDialog(GuiContext& context, QWidget* owner) {
    Dialog dialog(context, owner);
    context.modals.Exec(dialog);
}

}  // namespace

ServiceWindow AskAccessCode(GuiContext& context, QWidget* owner) {
    TPasswordDlg dialog(context, owner);
    context.modals.Exec(dialog);
    return dialog.Chosen();
}

void RunBandLimitsDialog(GuiContext& context, QWidget* owner) {
    RunDialog<TBandSetDlg>(context, owner);
}

void RunSetPasswordDialog(GuiContext& context, QWidget* owner) {
    RunDialog<TSetPasswordDlg>(context, owner);
}

void RunNewPasswordDialog(GuiContext& context, QWidget* owner) {
    RunDialog<TNewPasswordDlg>(context, owner);
}

}  // namespace radioprog::ui
