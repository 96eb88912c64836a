#include "mainwindow/ui/ChannelEditActions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "lang/ChannelEditText.h"

namespace radioprog::ui {

namespace {

struct ActionText {
    QAction* ChannelEditActions::*action;
    ChannelEditTextId text;
};

constexpr ActionText kTexts[] = {
    {&ChannelEditActions::undo, ChannelEditTextId::Undo},
    {&ChannelEditActions::redo, ChannelEditTextId::Redo},
    {&ChannelEditActions::cut, ChannelEditTextId::Cut},
    {&ChannelEditActions::copy, ChannelEditTextId::Copy},
    {&ChannelEditActions::paste, ChannelEditTextId::Paste},
    {&ChannelEditActions::clear, ChannelEditTextId::ClearChannels},
    {&ChannelEditActions::moveUp, ChannelEditTextId::MoveUp},
    {&ChannelEditActions::moveDown, ChannelEditTextId::MoveDown},
    {&ChannelEditActions::fillDown, ChannelEditTextId::FillDown},
    {&ChannelEditActions::duplexOffset, ChannelEditTextId::DuplexOffset},
    {&ChannelEditActions::importChannels, ChannelEditTextId::ImportChannels},
    {&ChannelEditActions::exportChannels, ChannelEditTextId::ExportChannels},
};

}  // namespace

ChannelEditActions::ChannelEditActions(QWidget* window, QWidget* grid) : QObject(window) {
    using Key = QKeySequence;
    undo = Make("MenuEdit_Undo", window, {Key(Key::Undo)});
    // The platform's redo key and the two that spreadsheets use.
    redo = Make("MenuEdit_Redo", window,
                {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Key(Qt::CTRL | Qt::Key_Y)});
    cut = Make("MenuEdit_Cut", grid, {Key(Key::Cut)});
    copy = Make("MenuEdit_Copy", grid, {Key(Key::Copy)});
    paste = Make("MenuEdit_Paste", grid, {Key(Key::Paste)});
    clear = Make("MenuEdit_ClearChannels", grid, {Key(Qt::Key_Delete)});
    moveUp = Make("MenuEdit_MoveUp", grid, {Key(Qt::ALT | Qt::Key_Up)});
    moveDown = Make("MenuEdit_MoveDown", grid, {Key(Qt::ALT | Qt::Key_Down)});
    fillDown = Make("MenuEdit_FillDown", grid, {Key(Qt::CTRL | Qt::Key_D)});
    duplexOffset = Make("MenuEdit_DuplexOffset", grid, {});
    importChannels = Make("MenuFile_ImportChannels", window, {});
    exportChannels = Make("MenuFile_ExportChannels", window, {});

    // The grid's context menu offers the channel commands.
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* separator = new QAction(grid);
    separator->setSeparator(true);
    auto* bulkSeparator = new QAction(grid);
    bulkSeparator->setSeparator(true);
    grid->addActions({cut, copy, paste, clear, separator, fillDown, duplexOffset, bulkSeparator,
                      moveUp, moveDown});
}

QAction* ChannelEditActions::Make(const char* name, QWidget* owner,
                                  const QList<QKeySequence>& keys) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    // The keys must work before any menu is opened, so a widget holds every action; the
    // grid's own actions answer only while the grid has the focus.
    action->setShortcutContext(owner == parent() ? Qt::WindowShortcut : Qt::WidgetShortcut);
    owner->addAction(action);
    return action;
}

void ChannelEditActions::RefreshTexts(const THaldenFuncs::TAppLang& lang) {
    for (const ActionText& entry : kTexts) {
        (this->*entry.action)
            ->setText(QString::fromStdString(ChannelEditTextUtf8(lang, entry.text)));
    }
}

void ChannelEditActions::AddToMenus(QMenu* fileMenu, QMenu* editMenu) const {
    if (fileMenu != nullptr) {
        QAction* exit = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().last();
        fileMenu->insertActions(exit, {importChannels, exportChannels});
        fileMenu->insertSeparator(exit);
    }
    if (editMenu != nullptr) {
        editMenu->addSeparator();
        editMenu->addActions({undo, redo});
        editMenu->addSeparator();
        editMenu->addActions({cut, copy, paste, clear});
        editMenu->addSeparator();
        editMenu->addActions({fillDown, duplexOffset});
        editMenu->addSeparator();
        editMenu->addActions({moveUp, moveDown});
    }
}

}  // namespace radioprog::ui
