#pragma once
// The row of OK and Cancel under a dialog's fields, captioned from the interface table.

#include "lang/AppLang.h"

class QBoxLayout;
class QDialog;
class QPushButton;

namespace radioprog::ui {

struct OkCancelButtons {
    QPushButton* OKBtn;
    QPushButton* CancelBtn;  // rejects the dialog
};

// OK ("Ok", the default button) and Cancel ("Cannel") added to layout; the caller connects OK.
OkCancelButtons AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout,
                                   const THaldenFuncs::TAppLang& lang);

}  // namespace radioprog::ui
