#include "mainwindow/ui/FreqCellDelegate.h"

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
    // Nothing is stored for a text that is not a frequency; the cell goes on showing the
    // record's value.
    if (ReadFrequencyEdit(context_, editor->window(), edit)) {
        model->setData(index, edit.text());
    }
}

}  // namespace radioprog::ui
