#pragma once
// The access-code dialog: it says which service window the typed code opens; the shell opens
// it, so that this dialog knows none of them.

#include <QDialog>

#include "gui/GuiContext.h"

class QLineEdit;

namespace radioprog::ui {

enum class ServiceWindow { None, Calibration, BandLimits };

class TPasswordDlg final : public QDialog {
    Q_OBJECT
  public:
    TPasswordDlg(GuiContext& context, QWidget* owner);

    // The window the code accepted with OK opens; None for any other text.
    ServiceWindow Chosen() const { return chosen_; }

  private:
    // Takes the typed code, then closes.
    void OKBtnClick();

    QLineEdit* eInput = nullptr;
    ServiceWindow chosen_ = ServiceWindow::None;
};

}  // namespace radioprog::ui
