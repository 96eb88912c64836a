#include "dialogs/ui/TPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calibration/ui/TAdjustmentDlg.h"
#include "dialogs/ui/PasswordDialogParts.h"
#include "dialogs/ui/TBandSetDlg.h"

namespace radioprog::ui {

namespace {

// Compared exactly, case included.
const QString kCalibrationCode = QStringLiteral("mqwr47");
const QString kBandCode = QStringLiteral("kjrtwhm");

}  // namespace

TPasswordDlg::TPasswordDlg(GuiContext& context, QWidget* owner)
    : QDialog(owner), context_(context) {
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
        TAdjustmentDlg adjustment(context_, this);
        context_.modals.Exec(adjustment);
    } else if (code == kBandCode) {
        TBandSetDlg band(context_, this);
        context_.modals.Exec(band);
    }
    accept();
}

}  // namespace radioprog::ui
