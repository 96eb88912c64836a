#include "dialogs/ui/TSetPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ui/PasswordDialogParts.h"
#include "gui/DialogButtons.h"
#include "gui/UiText.h"
#include "lang/TextIds.h"

namespace radioprog::ui {

TSetPasswordDlg::TSetPasswordDlg(GuiContext& context, QWidget* owner)
    : QDialog(owner), context_(context) {
    setObjectName("TSetPasswordDlg");
    const THaldenFuncs::TAppLang& lang = context.data.lang;
    setWindowTitle(UiText(lang, text::kPasswordTitle));
    auto* column = new QVBoxLayout(this);
    eInput =
        AddPasswordField(*this, *column, "sPassword", UiText(lang, text::kInputPassword), "eInput");
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *column, lang);
    connect(buttons.OKBtn, &QPushButton::clicked, this, &TSetPasswordDlg::OKBtnClick);
}

void TSetPasswordDlg::OKBtnClick() {
    context_.data.image.SetText(image::UnlockPassword, PasswordBytes(*eInput));
    accept();
}

}  // namespace radioprog::ui
