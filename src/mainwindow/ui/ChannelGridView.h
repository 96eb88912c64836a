#pragma once
// The channel grid (StringGrid1): a cell is edited by the editor laid over it, opened by a
// click, by Enter, or by the first key typed: a text cell takes it as the editor's first
// character (a frequency only a digit), a list picks the first item that begins with it. Tab
// moves between cells, Enter ends an edit.

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <map>
#include <vector>

#include "model/Configuration.h"

class QLabel;

namespace radioprog::ui {

class ChannelGridView final : public QTableView {
    Q_OBJECT
  public:
    explicit ChannelGridView(QWidget* parent);
    using QTableView::edit;

    // The open editor's value is stored (commit) or dropped, and the editor closed; also an
    // editor whose column is hidden just now.
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
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  protected slots:
    // A delegate asks for these when an edit ends; a request that arrives after the editor was
    // closed another way (Enter asks through the event queue, and a click, a command or a
    // redraw may close the editor first) is about an editor this view no longer has: storing
    // its text then would write into whatever the cell holds now.
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    // The editor open on index, or null.
    QWidget* OpenEditorOf(const QModelIndex& index) const;
    bool IsOpenEditor(const QWidget* editor) const;
    // Starts editing the cell, or gives the keys to the editor already open on it.
    void EditOrFocus(const QModelIndex& cell);
    void ShowHoverHint(const QModelIndex& index, const QPoint& globalPos);

    // Columns widened for a bold caption: the configured width is what is stored again, so
    // the configuration keeps the user's sizes. Keyed by column.
    struct WidenedColumn {
        int configured;
        int shown;
    };
    std::map<int, WidenedColumn> widenedForBold_;

    struct OpenEditorEntry {
        QPointer<QWidget> editor;
        QPersistentModelIndex cell;
    };
    std::vector<OpenEditorEntry> openEditors_;

    QLabel* cornerCaption_ = nullptr;
    QPersistentModelIndex hoveredCell_;
};

}  // namespace radioprog::ui
