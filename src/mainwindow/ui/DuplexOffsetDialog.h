#pragma once
// Asks for the duplex shift and offset of the selected channels in one field: "+5", "-7.6",
// or 0 for the same transmit frequency as the receive one, with "MHz" beside it.

#include <QDialog>

#include "lang/AppLang.h"

class QLineEdit;

namespace radioprog::ui {

class DuplexOffsetDialog final : public QDialog {
    Q_OBJECT
  public:
    DuplexOffsetDialog(QWidget* owner, const THaldenFuncs::TAppLang& lang);

    // What was typed, as typed.
    QString Offset() const;

  private:
    QLineEdit* eDuplexOffset = nullptr;
};

}  // namespace radioprog::ui
