#pragma once
// The commands of spreadsheet-like channel editing as actions: undo and redo, the clipboard,
// clearing and moving channels, and channel lists. The shell places them in its menus.
// Fill down (Ctrl+D) copies the first selected channel's cell into the rest of the selection,
// as spreadsheets do; the duplex offset sets the selection's transmit frequencies.
// Undo and redo answer their keys anywhere in the window (an open line editor keeps Ctrl+Z
// for its own text); the channel commands answer theirs only while the grid itself has the
// focus, so an open cell editor keeps Delete, Ctrl+C, Ctrl+V and Alt+Down for its text and
// its list.

#include <QKeySequence>
#include <QList>
#include <QObject>

#include "lang/AppLang.h"

class QAction;
class QMenu;
class QWidget;

namespace radioprog::ui {

class ChannelEditActions final : public QObject {
    Q_OBJECT
  public:
    ChannelEditActions(QWidget* window, QWidget* grid);

    // Captions in the current language.
    void RefreshTexts(const THaldenFuncs::TAppLang& lang);
    // Import and export above the File menu's last item (Exit); undo, redo and the channel
    // commands after the Edit menu's own items.
    void AddToMenus(QMenu* fileMenu, QMenu* editMenu) const;

    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* clear = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    QAction* fillDown = nullptr;
    QAction* duplexOffset = nullptr;
    QAction* importChannels = nullptr;
    QAction* exportChannels = nullptr;

  private:
    QAction* Make(const char* name, QWidget* owner, const QList<QKeySequence>& keys);
};

}  // namespace radioprog::ui
