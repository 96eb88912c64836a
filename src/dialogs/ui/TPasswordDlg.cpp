#include "dialogs/ui/TPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ui/PasswordDialogParts.h"
#include "gui/DialogButtons.h"

namespace radioprog::ui {

namespace {

// Compared exactly, case included.
const QString kCalibrationCode = QStringLiteral("mqwr47");
const QString kBandCode = QStringLiteral("kjrtwhm");

}  // namespace

TPasswordDlg::TPasswordDlg(GuiContext& context, QWidget* owner) : QDialog(owner) {
    setObjectName("TPasswordDlg");
    auto* column = new QVBoxLayout(this);
    eInput = MakePasswordEdit(this, "eInput", false);
    column->addWidget(eInput);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *column, context.data.lang);
    connect(buttons.OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
}

void TPasswordDlg::OKBtnClick() {
    const QString code = eInput->text();
    if (code == kCalibrationCode) {
        chosen_ = ServiceWindow::Calibration;
    } else if (code == kBandCode) {
        chosen_ = ServiceWindow::BandLimits;
    }
    accept();
}

}  // namespace radioprog::ui
