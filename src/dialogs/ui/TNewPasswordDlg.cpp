#include "dialogs/ui/TNewPasswordDlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ui/PasswordDialogParts.h"
#include "gui/DialogButtons.h"
#include "gui/UiText.h"
#include "lang/TextIds.h"
#include "session/ui/ProgramDialog.h"

namespace radioprog::ui {

TNewPasswordDlg::TNewPasswordDlg(GuiContext& context, QWidget* owner)
    : QDialog(owner), context_(context) {
    setObjectName("TNewPasswordDlg");
    const THaldenFuncs::TAppLang& lang = context.data.lang;
    setWindowTitle(UiText(lang, text::kNewPassword));
    auto* column = new QVBoxLayout(this);
    eInput = AddPasswordField(*this, *column, "sInput", UiText(lang, text::kNewPassword), "eInput");
    eSureInput = AddPasswordField(*this, *column, "sSureInput",
                                  UiText(lang, text::kNewPasswordAgain), "eSureInput");

    cbWriteWithNewPD = new QCheckBox(UiText(lang, text::kWriteNewPasswordWithData), this);
    cbWriteWithNewPD->setObjectName("cbWriteWithNewPD");
    cbWriteWithNewPD->setChecked(context.data.image.Get(image::WriteNewPasswordWithData) == 1);
    column->addWidget(cbWriteWithNewPD);
    auto* bWrite = new QPushButton(UiText(lang, text::kWritePassword), this);
    bWrite->setObjectName("bWrite");
    bWrite->setAutoDefault(false);
    column->addWidget(bWrite);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *column, lang);

    connect(buttons.OKBtn, &QPushButton::clicked, this, &TNewPasswordDlg::OKBtnClick);
    connect(bWrite, &QPushButton::clicked, this, &TNewPasswordDlg::bWriteClick);
    // Stored as soon as it changes: leaving the box by the keyboard or closing the window
    // must not lose the choice.
    connect(cbWriteWithNewPD, &QCheckBox::toggled, this, &TNewPasswordDlg::cbWriteWithNewPDExit);
}

std::optional<std::string> TNewPasswordDlg::MatchingPassword() {
    const std::string first = PasswordBytes(*eInput);
    if (first != PasswordBytes(*eSureInput)) {
        context_.Tell(this, UiText(context_.data.lang, text::kPasswordsDiffer));
        return std::nullopt;
    }
    return first;
}

void TNewPasswordDlg::OKBtnClick() {
    if (const std::optional<std::string> password = MatchingPassword()) {
        context_.data.image.SetText(image::NewPassword, *password);
        context_.Tell(this, QStringLiteral("OK"));
    }
    accept();
}

void TNewPasswordDlg::bWriteClick() {
    const std::optional<std::string> password = MatchingPassword();
    if (!password) {
        return;
    }
    context_.data.image.SetText(image::NewPassword, *password);
    ProgramJob job;
    job.sessionMode = SessionMode::NewPassword;
    job.readRequested = false;
    job.caption = UiText(context_.data.lang, text::kWriteToRadio);
    RunProgramDialog(context_, this, job);
}

void TNewPasswordDlg::cbWriteWithNewPDExit() {
    context_.data.image.Set(image::WriteNewPasswordWithData,
                            static_cast<uint8_t>(cbWriteWithNewPD->isChecked() ? 1 : 0));
}

}  // namespace radioprog::ui
