#pragma once
// The typing rules the service windows' edits share: which keys a numeric or frequency edit
// takes, and how a frequency text is kept to one point and ten characters.

#include <QObject>
#include <cstdint>
#include <optional>

#include "appdata/ui/GuiContext.h"

class QLineEdit;

namespace radioprog::ui {

// Discards printable ASCII keys other than digits (and the point, for frequency edits);
// control keys, DEL and everything beyond ASCII pass.
class DigitKeyFilter final : public QObject {
    Q_OBJECT
  public:
    DigitKeyFilter(QObject* parent, bool allowPoint);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool allowPoint_;
};

// Installs a filter owned by the edit.
void FilterDigitKeys(QLineEdit& edit, bool allowPoint);

// A text longer than maxLength loses its tail; the caret goes to the end.
void CutToLength(QLineEdit& edit, int maxLength);

// Frequency text: 10 or more characters lose the last one, a lone point is removed, and every
// point after the first is dropped; the caret goes to the end after a change.
void KeepFrequencyText(QLineEdit& edit);

// The megahertz of a frequency edit in Hz; an empty edit is 0. A text that is not a frequency
// (one ending with the point) is reported and gives nothing, so the caller keeps its value.
std::optional<uint32_t> ReadFrequencyEdit(GuiContext& context, QWidget* owner,
                                          const QLineEdit& edit);

}  // namespace radioprog::ui
