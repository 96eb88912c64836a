#pragma once
// The channel grid (StringGrid1): a cell is edited by the editor laid over it, opened by a
// click, by Enter, or on a frequency cell by the first digit typed, which then becomes the
// editor's first character. Tab moves between cells, Enter ends an edit.

#include <QPersistentModelIndex>
#include <QTableView>

#include "model/Configuration.h"

class QLabel;

namespace radioprog::ui {

class ChannelGridView final : public QTableView {
    Q_OBJECT
  public:
    explicit ChannelGridView(QWidget* parent);

    // The open editor's value is stored (commit) or dropped, and the editor closed.
    void CloseOpenEditor(bool commit);
    void SetCornerCaption(const QString& caption);

    // Column widths and row heights as the configuration holds them: entry 0 is the
    // channel-number column and the header row.
    void ApplySizes(const ConfigValues& config);
    void StoreSizes(ConfigValues& config) const;

  signals:
    // A click anywhere in the grid.
    void gridClicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QWidget* OpenEditor() const;
    void ShowHoverHint(const QModelIndex& index, const QPoint& globalPos);

    QLabel* cornerCaption_ = nullptr;
    QPersistentModelIndex hoveredCell_;
};

}  // namespace radioprog::ui
