#include "dialogs/ui/FieldEditRules.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "dialogs/ui/ConversionError.h"
#include "model/FreqCodec.h"

namespace radioprog::ui {

namespace {

constexpr int kFrequencyTextLimit = 10;

void PutBack(QLineEdit& edit, const QString& text) {
    if (text != edit.text()) {
        edit.setText(text);
        edit.setCursorPosition(static_cast<int>(text.size()));
    }
}

}  // namespace

DigitKeyFilter::DigitKeyFilter(QObject* parent, bool allowPoint)
    : QObject(parent), allowPoint_(allowPoint) {}

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
    return printableAscii && !digit && !(allowPoint_ && c == '.');
}

void FilterDigitKeys(QLineEdit& edit, bool allowPoint) {
    edit.installEventFilter(new DigitKeyFilter(&edit, allowPoint));
}

void CutToLength(QLineEdit& edit, int maxLength) {
    PutBack(edit, edit.text().left(maxLength));
}

void KeepFrequencyText(QLineEdit& edit) {
    // Putting a shortened text back counts as a change again, so the rules repeat until the
    // text passes all of them: a pasted long text ends at nine characters.
    QString text = edit.text().left(kFrequencyTextLimit - 1);
    if (text == ".") {
        text.clear();
    }
    const qsizetype point = text.indexOf('.');
    if (point >= 0) {
        text = text.left(point + 1) + text.mid(point + 1).remove('.');
    }
    PutBack(edit, text);
}

std::optional<uint32_t> ReadFrequencyEdit(GuiContext& context, QWidget* owner,
                                          const QLineEdit& edit) {
    const QString text = edit.text();
    if (text.isEmpty()) {
        return 0;
    }
    const std::optional<uint32_t> hz = TextToFreq(text.toStdString());
    if (!hz) {
        ReportConversionError(context, owner, text);
    }
    return hz;
}

}  // namespace radioprog::ui
