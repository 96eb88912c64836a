#include "mainwindow/ui/ToneCellDelegate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "model/ToneCodec.h"

namespace radioprog::ui {

namespace {

// "254.1" and "D023N" are the longest tone texts.
constexpr qsizetype kMaxToneChars = 5;

const QStringList& ToneItems() {
    static const QStringList items = [] {
        QStringList list;
        for (const std::string& text : ToneTextList()) {
            list.push_back(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        }
        return list;
    }();
    return items;
}

bool IsPrintable(const QKeyEvent& key) {
    return !key.text().isEmpty() && key.text().at(0).isPrint();
}

bool IsToneLetter(QChar c) {
    return c == QLatin1Char('D') || c == QLatin1Char('N') || c == QLatin1Char('I');
}

}  // namespace

ToneCellDelegate::ToneCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* ToneCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("ComboBox1"));
    combo->setEditable(true);
    // A typed "88" means 88.0 Hz; completing it to a listed tone would store another one.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(ToneItems());
    QLineEdit* edit = combo->lineEdit();
    connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
        if (typed.size() > kMaxToneChars) {
            edit->setText(typed.left(kMaxToneChars));
            edit->setCursorPosition(static_cast<int>(kMaxToneChars));
        }
    });
    return combo;
}

void ToneCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    combo->setCurrentIndex(static_cast<int>(ToneItems().indexOf(text)));
    combo->setEditText(text);
    combo->lineEdit()->selectAll();
}

void ToneCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    emit toneStored(index, editor->mapToGlobal(QPoint(0, 0)));
}

bool ToneCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsPrintable(key)) {
            const QChar c = key.text().at(0);
            const QChar upper = c.toUpper();
            if (!c.isDigit() && c != QLatin1Char('.') && !IsToneLetter(upper)) {
                return true;  // no tone text holds it
            }
            if (upper != c) {
                // Tone letters are upper case; the typed one is entered as such.
                QKeyEvent upperKey(QEvent::KeyPress, key.key(), key.modifiers(), QString(upper));
                QCoreApplication::sendEvent(watched, &upperKey);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace radioprog::ui
