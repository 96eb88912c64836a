#pragma once
// The channel sheet in the window: File > Print... with a preview, File > Export PDF... and
// the choice between the channels in use and all sixteen. The page itself comes from the
// one renderer the command line uses too.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "gui/GuiContext.h"
#include "session/RadioKind.h"
#include "sheet/ChannelSheet.h"

class QAction;
class QMenu;
class QWidget;

namespace radioprog::ui {

class ChannelSheetActions final : public QObject {
    Q_OBJECT
  public:
    // storePendingEdit runs before a sheet is made, so a value still in an editor is on it;
    // projectName names the project's file (or where an unsaved one came from) on the sheet.
    ChannelSheetActions(GuiContext& context, QWidget* window,
                        std::function<void()> storePendingEdit,
                        std::function<QString()> projectName);

    // Before the menu's last entry (Exit), followed by a separator.
    void AddToMenu(QMenu* fileMenu) const;
    void RefreshTexts();
    // Where the project came from, for the sheet's header: the customer or job the next sheet
    // starts with (a history entry's label; what the user types when printing replaces it) and
    // the kind of radio it was read from. Nothing for a project from a file or a new one.
    void SetOrigin(const QString& customer, std::optional<RadioKind> radio) {
        customer_ = customer;
        radio_ = radio;
    }
    void SetRadio(std::optional<RadioKind> radio) { radio_ = radio; }

    QAction* print = nullptr;
    QAction* exportPdf = nullptr;
    QAction* allChannels = nullptr;  // checked: every channel, else only those in use

  private:
    QAction* Make(const char* name);
    ChannelSheet Sheet() const;
    // The sheet's page (customer, shop); false when the user cancelled.
    bool AskDetails();
    void Print();
    void ExportPdf();

    GuiContext& context_;
    QWidget* window_;
    std::function<void()> storePendingEdit_;
    std::function<QString()> projectName_;
    QString customer_;
    std::optional<RadioKind> radio_;
};

}  // namespace radioprog::ui
