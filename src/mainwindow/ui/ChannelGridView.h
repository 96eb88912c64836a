#pragma once
// The channel grid (StringGrid1): a cell is edited by the editor laid over it, opened by a
// click, by Enter, or by the first key typed: a text cell takes it as the editor's first
// character (a frequency only a digit), a list picks the first item that begins with it. Tab
// moves between cells, Enter ends an edit.

#include <QPersistentModelIndex>
#include <QTableView>
#include <map>

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
    // The current column's caption is drawn bold: a column wide enough for its caption is
    // widened to hold it bold too. A column made narrower by hand is left as it is.
    void FitCaptionsForBold();

  signals:
    // A click anywhere in the grid, or a key that moved to another cell: the user's eyes
    // have left the cell a note was about.
    void userMovedInGrid();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QWidget* OpenEditor() const;
    void ShowHoverHint(const QModelIndex& index, const QPoint& globalPos);

    // Columns widened for a bold caption: the configured width is what is stored again, so
    // the configuration keeps the user's sizes. Keyed by column.
    struct WidenedColumn {
        int configured;
        int shown;
    };
    std::map<int, WidenedColumn> widenedForBold_;

    QLabel* cornerCaption_ = nullptr;
    QPersistentModelIndex hoveredCell_;
};

}  // namespace radioprog::ui
