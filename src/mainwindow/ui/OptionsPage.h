#pragma once
// The options page of the main window.

#include "appdata/ui/GuiContext.h"
#include "mainwindow/ui/MainWindowPage.h"

namespace radioprog::ui {

class OptionsPage final : public MainWindowPage {
    Q_OBJECT
  public:
    OptionsPage(GuiContext& context, QWidget* parent);

    void RefreshFromModel() override;
    void CommitPendingEdit() override;

  private:
    GuiContext& context_;
};

}  // namespace radioprog::ui
