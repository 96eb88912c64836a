#include "mainwindow/ui/ListCellDelegate.h"

#include <QComboBox>

namespace radioprog::ui {

ListCellDelegate::ListCellDelegate(QString editorName, std::function<QStringList()> items,
                                   QObject* parent)
    : QStyledItemDelegate(parent), editorName_(std::move(editorName)), items_(std::move(items)) {}

QWidget* ListCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(editorName_);
    combo->addItems(items_());
    // Only a choice the user makes is stored; filling the editor is not one.
    connect(combo, &QComboBox::activated, this,
            [this, combo] { emit const_cast<ListCellDelegate*>(this)->commitData(combo); });
    return combo;
}

void ListCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // -1 (a value the list does not hold) shows no selection.
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void ListCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    const int item = static_cast<QComboBox*>(editor)->currentIndex();
    if (item >= 0) {
        model->setData(index, item);
    }
}

}  // namespace radioprog::ui
