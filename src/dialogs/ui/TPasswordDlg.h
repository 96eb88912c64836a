#pragma once
// The access-code dialog: the service windows open only on their codes.

#include <QDialog>

#include "appdata/ui/GuiContext.h"

class QLineEdit;

namespace radioprog::ui {

class TPasswordDlg final : public QDialog {
    Q_OBJECT
  public:
    TPasswordDlg(GuiContext& context, QWidget* owner);

    // Opens the window of the typed code (none for any other text), then closes.
    void OKBtnClick();

  private:
    GuiContext& context_;
    QLineEdit* eInput;
};

}  // namespace radioprog::ui
