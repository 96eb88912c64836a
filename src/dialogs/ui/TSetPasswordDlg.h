#pragma once
// The unlock password: what the program answers a protected radio with before reading or
// writing it.

#include <QDialog>

#include "appdata/ui/GuiContext.h"

class QLineEdit;

namespace radioprog::ui {

class TSetPasswordDlg final : public QDialog {
    Q_OBJECT
  public:
    TSetPasswordDlg(GuiContext& context, QWidget* owner);

    // Takes the typed text as UnlockPassword and closes.
    void OKBtnClick();

  private:
    GuiContext& context_;
    QLineEdit* eInput;
};

}  // namespace radioprog::ui
