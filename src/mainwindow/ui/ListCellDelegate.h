#pragma once
// A drop-down list editor for the power, bandwidth and busy-inhibit cells. A choice is
// stored the moment it is made; a list left without a choice stores nothing.

#include <QStyledItemDelegate>
#include <functional>

namespace radioprog::ui {

class ListCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // items gives the list in the current language, item 0 first.
    ListCellDelegate(QString editorName, std::function<QStringList()> items, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    QString editorName_;
    std::function<QStringList()> items_;
};

}  // namespace radioprog::ui
