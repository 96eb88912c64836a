#pragma once
// The three small modal boxes every window shares. Callers fill in already translated texts;
// nobody shows them directly: ModalRunner does, so that a test can answer them.

#include <QDialog>

class QLabel;
class QPushButton;

namespace radioprog::ui {

// A message and one OK button (session results, password messages).
class TUserWarnDlg final : public QDialog {
    Q_OBJECT
  public:
    TUserWarnDlg(QWidget* owner, const QString& message, const QString& okCaption);

  private:
    QLabel* WarnDlgText = nullptr;
    QPushButton* OKBtn = nullptr;
};

// A question with OK and Cancel ("Clear all data ?").
class TMyWarnDlg_2 final : public QDialog {
    Q_OBJECT
  public:
    // cancelIsDefault: Enter takes Cancel, for an offer that must be chosen on purpose.
    TMyWarnDlg_2(QWidget* owner, const QString& question, const QString& okCaption,
                 const QString& cancelCaption, bool cancelIsDefault = false);
};

// A question with Yes, No and Cancel (the save prompt on closing). Yes ends with Accepted,
// Cancel with Rejected and No with kNoResult.
class TMyWarnDlg_3 final : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kNoResult = 2;
    TMyWarnDlg_3(QWidget* owner, const QString& question, const QString& yesCaption,
                 const QString& noCaption, const QString& cancelCaption);
};

}  // namespace radioprog::ui
