#include "mainwindow/ui/FreqCellDelegate.h"

#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>

#include "gui/ConversionError.h"
#include "gui/FrequencyEdit.h"

namespace radioprog::ui {

FreqCellDelegate::FreqCellDelegate(GuiContext& context, QObject* parent)
    : QStyledItemDelegate(parent), context_(context) {}

QWidget* FreqCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* edit = new FrequencyEdit(parent);
    edit->setObjectName(QStringLiteral("Edit_ChFreq"));
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

void FreqCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<FrequencyEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void FreqCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    const auto& edit = static_cast<const FrequencyEdit&>(*editor);
    if (edit.Hz()) {
        model->setData(index, edit.text());
        return;
    }
    // Nothing is stored for a text that is not a frequency; the cell goes on showing the
    // record's value.
    if (!handlingEditorEvent_) {
        ReportConversionError(context_, editor->window(), edit.text());
        return;
    }
    // Inside the editor's own event (its loss of the focus) the report waits until that has
    // been handled: a message box's event loop there could close and delete the editor under
    // Qt's feet, leaving the application's focus on a deleted widget.
    QTimer::singleShot(0, this,
                       [context = &context_, owner = QPointer<QWidget>(editor->window()),
                        text = edit.text()] { ReportConversionError(*context, owner, text); });
}

bool FreqCellDelegate::eventFilter(QObject* editor, QEvent* event) {
    const QScopedValueRollback handling(handlingEditorEvent_, true);
    return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace radioprog::ui
