#include "mainwindow/ui/OptionsPage.h"

namespace radioprog::ui {

// The page's editors arrive with the grid and options work; until then the tab is empty.
OptionsPage::OptionsPage(GuiContext& context, QWidget* parent)
    : MainWindowPage(parent), context_(context) {}

void OptionsPage::RefreshFromModel() {}

void OptionsPage::CommitPendingEdit() {}

}  // namespace radioprog::ui
