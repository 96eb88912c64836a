#pragma once
// The channel page of the main window.

#include "appdata/ui/GuiContext.h"
#include "mainwindow/ui/MainWindowPage.h"

namespace radioprog::ui {

class ChannelPage final : public MainWindowPage {
    Q_OBJECT
  public:
    ChannelPage(GuiContext& context, QWidget* parent);

    void RefreshFromModel() override;
    void CommitPendingEdit() override;
    // Before a radio command: the grid's current cell goes to receive frequency, channel 1.
    void MoveToFirstCell();
    // Open and Save start by focusing the channel grid.
    void FocusGrid();

  private:
    GuiContext& context_;
};

}  // namespace radioprog::ui
