#include "mainwindow/ui/ViewMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/WindowText.h"
#include "mainwindow/ui/ChannelPage.h"

namespace radioprog::ui {

namespace {

struct ThemeItem {
    Theme theme;
    const char* name;
    WindowTextId text;
};
constexpr std::array<ThemeItem, 3> kThemeItems = {{
    {Theme::System, "MenuView_ThemeSystem", WindowTextId::ThemeSystem},
    {Theme::Light, "MenuView_ThemeLight", WindowTextId::ThemeLight},
    {Theme::Dark, "MenuView_ThemeDark", WindowTextId::ThemeDark},
}};

}  // namespace

ViewMenu::ViewMenu(GuiContext& context, QMainWindow& window, QMenu& before, ChannelPage& page)
    : QObject(&window), context_(context), menu_(new QMenu(&window)) {
    menu_->setObjectName(QStringLiteral("MenuView"));
    window.menuBar()->insertMenu(before.menuAction(), menu_);
    allFields_ = menu_->addAction(QString());
    allFields_->setObjectName(QStringLiteral("MenuView_AllChannelFields"));
    allFields_->setCheckable(true);
    connect(allFields_, &QAction::toggled, &page, &ChannelPage::ShowAllFields);

    themeMenu_ = menu_->addMenu(QString());
    themeMenu_->setObjectName(QStringLiteral("MenuView_Theme"));
    themeMenu_->menuAction()->setObjectName(QStringLiteral("MenuView_ThemeMenu"));
    auto* group = new QActionGroup(this);
    for (size_t i = 0; i < kThemeItems.size(); ++i) {
        QAction* action = themeMenu_->addAction(QString());
        action->setObjectName(QString::fromLatin1(kThemeItems[i].name));
        action->setCheckable(true);
        group->addAction(action);
        const Theme theme = kThemeItems[i].theme;
        connect(action, &QAction::triggered, this, [this, theme] { ChooseTheme(theme); });
        themes_[i] = action;
    }
    Refresh();
}

void ViewMenu::Refresh() {
    const auto& lang = context_.data.lang;
    menu_->setTitle(QString::fromStdString(ChannelEditTextUtf8(lang, ChannelEditTextId::ViewMenu)));
    allFields_->setText(
        QString::fromStdString(ChannelEditTextUtf8(lang, ChannelEditTextId::ChannelFields)));
    allFields_->setChecked(context_.data.config.showAllChannelFields);
    themeMenu_->setTitle(FromUtf8(WindowTextUtf8(lang, WindowTextId::ThemeMenu)));
    const Theme theme = context_.data.config.windows.theme;
    for (size_t i = 0; i < kThemeItems.size(); ++i) {
        themes_[i]->setText(FromUtf8(WindowTextUtf8(lang, kThemeItems[i].text)));
        themes_[i]->setChecked(kThemeItems[i].theme == theme);
    }
    // The configuration is read after the menu is made: its theme takes effect here.
    if (theme != applied_) {
        ChooseTheme(theme);
    }
}

void ViewMenu::ChooseTheme(Theme theme) {
    context_.data.config.windows.theme = theme;
    themeSwitch_.Apply(theme);
    applied_ = theme;
}

}  // namespace radioprog::ui
