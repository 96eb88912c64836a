#include "mainwindow/ui/ServiceWindows.h"

#include "calibration/ui/TAdjustmentDlg.h"
#include "dialogs/ui/ServiceDialogs.h"

namespace radioprog::ui {

void RunAccessCodeDialog(GuiContext& context, QWidget* owner, const QString& calibrationFile) {
    switch (AskAccessCode(context, owner)) {
        case ServiceWindow::Calibration: {
            TAdjustmentDlg adjustment(context, owner);
            if (!calibrationFile.isEmpty()) {
                adjustment.OpenCalibrationFile(calibrationFile);
            }
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
