#include "gui/FieldEditRules.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace radioprog::ui {

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1) {
        return false;
    }
    const char16_t c = text.front().unicode();
    const bool printableAscii = c >= 32 && c <= 126;
    const bool digit = c >= '0' && c <= '9';
    return printableAscii && !digit;
}

void FilterDigitKeys(QLineEdit& edit) {
    edit.installEventFilter(new DigitKeyFilter(&edit));
}

void CutToLength(QLineEdit& edit, int maxLength) {
    const QString kept = edit.text().left(maxLength);
    if (kept != edit.text()) {
        edit.setText(kept);
        edit.setCursorPosition(static_cast<int>(kept.size()));
    }
}

}  // namespace radioprog::ui
