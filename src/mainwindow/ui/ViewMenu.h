#pragma once
// The View menu: whether the channel grid shows every field of the record.

#include <QObject>

#include "gui/GuiContext.h"

class QAction;
class QMainWindow;
class QMenu;

namespace radioprog::ui {

class ChannelPage;

class ViewMenu final : public QObject {
    Q_OBJECT
  public:
    // The menu goes into the window's menu bar before the menu `before`.
    ViewMenu(GuiContext& context, QMainWindow& window, QMenu& before, ChannelPage& page);

    // Texts in the current language and the check mark from the configuration.
    void Refresh();

  private:
    GuiContext& context_;
    QMenu* menu_ = nullptr;
    QAction* allFields_ = nullptr;
};

}  // namespace radioprog::ui
