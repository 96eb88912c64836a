#pragma once
// The new radio password: typed twice, stored for the next password write, or written to the
// radio at once; the check box makes every ordinary write carry it too.

#include <QDialog>
#include <optional>
#include <string>

#include "gui/GuiContext.h"

class QCheckBox;
class QLineEdit;

namespace radioprog::ui {

class TNewPasswordDlg final : public QDialog {
    Q_OBJECT
  public:
    TNewPasswordDlg(GuiContext& context, QWidget* owner);

  private:
    // Stores a matching password ("OK") or says "Password not match"; closes either way.
    void OKBtnClick();
    // Stores a matching password and writes it to the radio; the dialog stays open.
    void bWriteClick();
    void cbWriteWithNewPDExit();

    // The password when both edits hold the same text; otherwise the mismatch is reported.
    std::optional<std::string> MatchingPassword();

    GuiContext& context_;
    QLineEdit* eInput = nullptr;
    QLineEdit* eSureInput = nullptr;
    QCheckBox* cbWriteWithNewPD = nullptr;
};

}  // namespace radioprog::ui
