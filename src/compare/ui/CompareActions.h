#pragma once
// File > Compare with file... and Compare with radio...: the project in the window beside a
// project file or what a radio holds, in the compare view. The file or radio is only read;
// the project in the window stays as it is.

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
    QAction* compareRadio = nullptr;

  private:
    void CompareWithFile();
    // Reads the radio into a copy and compares the project with it.
    void CompareWithRadio();

    GuiContext& context_;
    QWidget* window_;
    std::function<void()> storePendingEdit_;
};

}  // namespace radioprog::ui
