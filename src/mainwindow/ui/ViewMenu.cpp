#include "mainwindow/ui/ViewMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "lang/ChannelEditText.h"
#include "mainwindow/ui/ChannelPage.h"

namespace radioprog::ui {

ViewMenu::ViewMenu(GuiContext& context, QMainWindow& window, QMenu& before, ChannelPage& page)
    : QObject(&window), context_(context), menu_(new QMenu(&window)) {
    menu_->setObjectName(QStringLiteral("MenuView"));
    window.menuBar()->insertMenu(before.menuAction(), menu_);
    allFields_ = menu_->addAction(QString());
    allFields_->setObjectName(QStringLiteral("MenuView_AllChannelFields"));
    allFields_->setCheckable(true);
    connect(allFields_, &QAction::toggled, &page, &ChannelPage::ShowAllFields);
    Refresh();
}

void ViewMenu::Refresh() {
    const auto& lang = context_.data.lang;
    menu_->setTitle(QString::fromStdString(ChannelEditTextUtf8(lang, ChannelEditTextId::ViewMenu)));
    allFields_->setText(
        QString::fromStdString(ChannelEditTextUtf8(lang, ChannelEditTextId::ChannelFields)));
    allFields_->setChecked(context_.data.config.showAllChannelFields);
}

}  // namespace radioprog::ui
