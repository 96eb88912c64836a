#pragma once
// The about box: product name, version and the owner lines in the current language.

#include <QDialog>

#include "gui/GuiContext.h"

namespace radioprog::ui {

class TAboutDlg final : public QDialog {
    Q_OBJECT
  public:
    TAboutDlg(const AppData& appData, QWidget* owner);
};

// Shows the box modally through context.modals.
void RunAboutDialog(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
