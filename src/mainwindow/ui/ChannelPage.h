#pragma once
// The channel page of the main window: the 16 channels in a grid, edited in place.

#include <QPersistentModelIndex>

#include "gui/GuiContext.h"
#include "mainwindow/ui/MainWindowPage.h"

class QLabel;
class QModelIndex;

namespace radioprog::ui {

class ChannelGridView;
class ChannelTableModel;

class ChannelPage final : public MainWindowPage {
    Q_OBJECT
  public:
    ChannelPage(GuiContext& context, QWidget* parent);

    void RefreshFromModel() override;
    void CommitPendingEdit() override;
    void StoreLayoutInConfiguration() override;
    // Before a radio command: the grid's current cell goes to receive frequency, channel 1.
    void MoveToFirstCell();
    // Open and Save start by focusing the channel grid.
    void FocusGrid();
    // Name, scan, DTMF and squelch mode as columns of their own, or only the usual seven;
    // the choice is kept in the configuration.
    void ShowAllFields(bool shown);
    // For the channel commands that work on the grid's selection.
    ChannelGridView& Grid() { return *grid_; }
    ChannelTableModel& Model() { return *model_; }

  private:
    // The record's own columns have no configured width: each is at least as wide as its
    // caption, which says when the column is the file's own.
    void FitRecordFieldCaptions();
    void ShowToneTip(const QModelIndex& index, QPoint editorTopLeft);
    void ShowValueNotice(const QModelIndex& index, const QString& text);

    GuiContext& context_;
    ChannelTableModel* model_ = nullptr;
    ChannelGridView* grid_ = nullptr;
    QLabel* toneTip_ = nullptr;
    QPersistentModelIndex toneTipCell_;  // the cell the tip marks
    QLabel* valueNotice_ = nullptr;
    bool sizesApplied_ = false;
};

}  // namespace radioprog::ui
