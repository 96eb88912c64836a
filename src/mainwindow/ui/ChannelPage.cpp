#include "mainwindow/ui/ChannelPage.h"

namespace radioprog::ui {

// The page's editors arrive with the grid and options work; until then the tab is empty.
ChannelPage::ChannelPage(GuiContext& context, QWidget* parent)
    : MainWindowPage(parent), context_(context) {}

void ChannelPage::RefreshFromModel() {}

void ChannelPage::CommitPendingEdit() {}

void ChannelPage::MoveToFirstCell() {}

void ChannelPage::FocusGrid() {}

}  // namespace radioprog::ui
