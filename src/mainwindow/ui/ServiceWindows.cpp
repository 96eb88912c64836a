#include "mainwindow/ui/ServiceWindows.h"

#include "calibration/ui/TAdjustmentDlg.h"
#include "dialogs/ui/ServiceDialogs.h"

namespace radioprog::ui {

void RunAccessCodeDialog(GuiContext& context, QWidget* owner) {
    switch (AskAccessCode(context, owner)) {
        case ServiceWindow::Calibration: {
            TAdjustmentDlg adjustment(context, owner);
            context.modals.Exec(adjustment);
            break;
        }
        case ServiceWindow::BandLimits:
            RunBandLimitsDialog(context, owner);
            break;
        case ServiceWindow::None:
            break;
    }
}

}  // namespace radioprog::ui
