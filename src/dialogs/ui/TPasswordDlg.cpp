#include "dialogs/ui/TPasswordDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ui/PasswordDialogParts.h"
#include "gui/DialogButtons.h"
#include "gui/UiText.h"
#include "lang/ToolText.h"

namespace radioprog::ui {

namespace {

// Compared exactly, case included.
const QString kCalibrationCode = QStringLiteral("mqwr47");
const QString kBandCode = QStringLiteral("kjrtwhm");

}  // namespace

TPasswordDlg::TPasswordDlg(GuiContext& context, QWidget* owner) : QDialog(owner) {
    setObjectName("TPasswordDlg");
    const THaldenFuncs::TAppLang& lang = context.data.lang;
    auto* column = new QVBoxLayout(this);
    // Says what is asked for: without it the window is an edit that shows only stars.
    auto* prompt = new QLabel(FromUtf8(ToolTextUtf8(lang, ToolTextId::AccessCodePrompt)), this);
    prompt->setObjectName("sAccessCode");
    column->addWidget(prompt);
    eInput = MakePasswordEdit(this, "eInput", false);
    prompt->setBuddy(eInput);
    column->addWidget(eInput);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *column, lang);
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
