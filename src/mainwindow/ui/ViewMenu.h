#pragma once
// The View menu: whether the channel grid shows every field of the record, and the theme
// (the desktop's, light or dark), remembered in the configuration.

#include <QObject>
#include <array>

#include "gui/GuiContext.h"
#include "mainwindow/ui/Theme.h"

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

    // Texts in the current language, the check marks from the configuration, and its theme.
    void Refresh();

  private:
    void ChooseTheme(Theme theme);

    GuiContext& context_;
    QMenu* menu_ = nullptr;
    QAction* allFields_ = nullptr;
    QMenu* themeMenu_ = nullptr;
    std::array<QAction*, 3> themes_{};  // in Theme order
    ThemeSwitch themeSwitch_;
    Theme applied_ = Theme::System;
};

}  // namespace radioprog::ui
