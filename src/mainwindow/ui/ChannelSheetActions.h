#pragma once
// The channel sheet in the window: File > Print... with a preview, File > Export PDF... and
// the choice between the channels in use and all sixteen. The page itself comes from the
// one renderer the command line uses too.

#include <QObject>
#include <functional>

#include "gui/GuiContext.h"
#include "sheet/ChannelSheet.h"

class QAction;
class QMenu;
class QWidget;

namespace radioprog::ui {

class ChannelSheetActions final : public QObject {
    Q_OBJECT
  public:
    // storePendingEdit runs before a sheet is made, so a value still in an editor is on it.
    ChannelSheetActions(GuiContext& context, QWidget* window,
                        std::function<void()> storePendingEdit);

    // Before the menu's last entry (Exit), followed by a separator.
    void AddToMenu(QMenu* fileMenu) const;
    void RefreshTexts();

    QAction* print = nullptr;
    QAction* exportPdf = nullptr;
    QAction* allChannels = nullptr;  // checked: every channel, else only those in use

  private:
    QAction* Make(const char* name);
    ChannelSheet Sheet() const;
    void Print();
    void ExportPdf();

    GuiContext& context_;
    QWidget* window_;
    std::function<void()> storePendingEdit_;
};

}  // namespace radioprog::ui
