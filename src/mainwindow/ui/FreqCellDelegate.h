#pragma once
// The frequency editor of the receive and transmit cells (Edit_ChFreq): a FrequencyEdit
// whose text is stored when it is a frequency, and reported otherwise.

#include <QStyledItemDelegate>

#include "gui/GuiContext.h"

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
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    GuiContext& context_;
    // True while the editor's own event is handled (setModelData then defers its report).
    mutable bool handlingEditorEvent_ = false;
};

}  // namespace radioprog::ui
