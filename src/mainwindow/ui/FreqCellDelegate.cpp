#include "mainwindow/ui/FreqCellDelegate.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "dialogs/ui/ConversionError.h"
#include "model/FreqCodec.h"

namespace radioprog::ui {

namespace {

// "438.00625": three megahertz digits, the point and five decimals.
constexpr qsizetype kMaxFreqChars = 9;

bool IsPrintable(const QKeyEvent& key) {
    return !key.text().isEmpty() && key.text().at(0).isPrint();
}

bool IsFreqChar(QChar c) {
    return c.isDigit() || c == QLatin1Char('.');
}

// The length rules after every change: a tenth character, a point on its own and a second
// point are taken out again.
QString WithFreqLengthRules(QString text) {
    while (text.size() > kMaxFreqChars) {
        text.chop(1);
    }
    if (text == QLatin1String(".")) {
        text.clear();
    }
    const qsizetype firstPoint = text.indexOf(QLatin1Char('.'));
    if (firstPoint >= 0) {
        for (qsizetype p = text.indexOf('.', firstPoint + 1); p >= 0;
             p = text.indexOf('.', firstPoint + 1)) {
            text.remove(p, 1);
        }
    }
    return text;
}

}  // namespace

FreqCellDelegate::FreqCellDelegate(GuiContext& context, QObject* parent)
    : QStyledItemDelegate(parent), context_(context) {}

QWidget* FreqCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Edit_ChFreq"));
    edit->setAlignment(Qt::AlignCenter);
    connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
        const QString kept = WithFreqLengthRules(typed);
        if (kept != typed) {
            edit->setText(kept);
            edit->setCursorPosition(static_cast<int>(kept.size()));
        }
    });
    return edit;
}

void FreqCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void FreqCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (!text.isEmpty() && !TextToFreq(text.toStdString())) {
        // Nothing is stored; the cell goes on showing the record's value.
        ReportConversionError(context_, editor->window(), text);
        return;
    }
    model->setData(index, text);
}

bool FreqCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsPrintable(key) && !IsFreqChar(key.text().at(0))) {
            return true;  // a frequency holds only digits and the point
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace radioprog::ui
