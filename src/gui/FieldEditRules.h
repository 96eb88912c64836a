#pragma once
// The typing rules of the calibration window's numeric edits: which keys they take and how
// long their text may grow. Frequencies have their own editor (FrequencyEdit).

#include <QObject>

class QLineEdit;

namespace radioprog::ui {

// Discards printable ASCII keys other than digits; control keys, DEL and everything beyond
// ASCII pass (a pasted or composed text is checked when it is read).
class DigitKeyFilter final : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs a filter owned by the edit.
void FilterDigitKeys(QLineEdit& edit);

// A text longer than maxLength loses its tail; the caret goes to the end.
void CutToLength(QLineEdit& edit, int maxLength);

}  // namespace radioprog::ui
