#pragma once
// The unlock password: what the program answers a protected radio with before reading or
// writing it.

#include <QDialog>

#include "gui/GuiContext.h"

class QLineEdit;

namespace radioprog::ui {

class TSetPasswordDlg final : public QDialog {
    Q_OBJECT
  public:
    TSetPasswordDlg(GuiContext& context, QWidget* owner);

  private:
    // Takes the typed text as UnlockPassword and closes.
    void OKBtnClick();

    GuiContext& context_;
    QLineEdit* eInput = nullptr;
};

}  // namespace radioprog::ui
