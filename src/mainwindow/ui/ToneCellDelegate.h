#pragma once
// The tone editor of the decode and encode cells (ComboBox1): the standard tones to pick
// from, or a tone typed in its text form ("Off", "88.5", "D023N", "D023I").

#include <QPoint>
#include <QStyledItemDelegate>

namespace radioprog::ui {

class ToneCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit ToneCellDelegate(QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  signals:
    // A tone was stored from an editor whose top-left corner was at editorTopLeft (global).
    void toneStored(const QModelIndex& index, QPoint editorTopLeft) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace radioprog::ui
