#pragma once
// The frequency editor of the receive and transmit cells (Edit_ChFreq): digits and one
// point, at most nine characters; a text that is not a number is reported and not stored.

#include <QStyledItemDelegate>

#include "appdata/ui/GuiContext.h"

namespace radioprog::ui {

class FreqCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    FreqCellDelegate(GuiContext& context, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    GuiContext& context_;
};

}  // namespace radioprog::ui
