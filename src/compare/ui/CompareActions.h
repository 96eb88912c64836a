#pragma once
// File > Compare with file...: the project in the window beside a project file, in the
// compare view. The file is only read; the project in the window stays as it is.

#include <QObject>
#include <functional>

#include "gui/GuiContext.h"

class QAction;
class QMenu;
class QWidget;

namespace radioprog::ui {

class CompareActions final : public QObject {
    Q_OBJECT
  public:
    // storePendingEdit runs first, so a value still in an editor is compared.
    CompareActions(GuiContext& context, QWidget* window, std::function<void()> storePendingEdit);

    // Before the menu's last entry (Exit), followed by a separator.
    void AddToMenu(QMenu* fileMenu) const;
    void RefreshTexts();

    QAction* compareFile = nullptr;

  private:
    void CompareWithFile();

    GuiContext& context_;
    QWidget* window_;
    std::function<void()> storePendingEdit_;
};

}  // namespace radioprog::ui
