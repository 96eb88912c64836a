// The main window's menus, tool bar and page area. Captions are set by the text part of the
// redraw; here every element only gets its name, shortcut, icon and handler.

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "compare/ui/CompareActions.h"
#include "gui/LocalPath.h"
#include "help/ui/UserGuide.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "mainwindow/ui/ChannelSheetActions.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/OptionsPage.h"
#include "mainwindow/ui/ProjectFiles.h"
#include "mainwindow/ui/RadioWriteActions.h"

namespace radioprog::ui {

QAction* TForm1::AddAction(QMenu* menu, const char* name, std::function<void()> handler) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    if (menu != nullptr) {
        menu->addAction(action);
    } else {
        menuBar()->addAction(action);
    }
    return action;
}

void TForm1::BuildMenus() {
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    const auto addMenu = [MainMenu1](const char* name) {
        QMenu* menu = MainMenu1->addMenu(QString());
        menu->setObjectName(name);
        return menu;
    };

    MenuFile = addMenu("MenuFile");
    MenuFile_New = AddAction(MenuFile, "MenuFile_New", [this] { MenuFile_NewClick(); });
    MenuFile_New->setShortcut(QKeySequence::New);
    MenuFile_Open = AddAction(MenuFile, "MenuFile_Open", [this] { MenuFile_OpenClick(); });
    MenuFile_Open->setShortcut(QKeySequence::Open);
    // Save goes to the project's own file (asking for a name only when it has none); Save As
    // always asks.
    MenuFile_Save = AddAction(MenuFile, "MenuFile_Save", [this] { files_->SaveToCurrent(); });
    MenuFile_Save->setShortcut(QKeySequence::Save);
    MenuFile_SaveAs = AddAction(MenuFile, "MenuFile_SaveAs", [this] { MenuFile_SaveClick(); });
    // Spelled out: not every platform theme binds the standard Save As key.
    MenuFile_SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    MenuFile_History = AddAction(MenuFile, "MenuFile_History", [this] { MenuFile_HistoryClick(); });
    MenuFile->addSeparator();
    MenuFile_Exit = AddAction(MenuFile, "MenuFile_Exit", [this] { close(); });

    MenuEdit = addMenu("MenuEdit");
    MenuEdit_Read = AddAction(MenuEdit, "MenuEdit_Read", [this] { MenuEdit_ReadClick(); });
    MenuEdit_Read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    MenuEdit_ReadOnto =
        AddAction(MenuEdit, "MenuEdit_ReadOnto", [this] { MenuEdit_ReadOntoClick(); });
    MenuEdit_Write = AddAction(MenuEdit, "MenuEdit_Write", [this] { MenuEdit_WriteClick(); });
    MenuEdit_Write->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuEdit->addSeparator();
    MenuEdit_Password =
        AddAction(MenuEdit, "MenuEdit_Password", [this] { MenuEdit_PasswordClick(); });
    MenuEdit_SetRadioNewPD =
        AddAction(MenuEdit, "MenuEdit_SetRadioNewPD", [this] { MenuEdit_SetRadioNewPDClick(); });

    MenuPort = AddAction(nullptr, "MenuPort", [this] { MenuPortClick(); });

    MenuLanguage = addMenu("MenuLanguage");
    MenuLanguage_Chs =
        AddAction(MenuLanguage, "MenuLanguage_Chs", [this] { MenuLanguage_ChsClick(); });
    MenuLanguage_Cht =
        AddAction(MenuLanguage, "MenuLanguage_Cht", [this] { MenuLanguage_ChtClick(); });
    MenuLanguage_En =
        AddAction(MenuLanguage, "MenuLanguage_En", [this] { MenuLanguage_EnClick(); });
    // Checked by the redraw after the click, from the language setting.
    for (QAction* language : {MenuLanguage_Chs, MenuLanguage_Cht, MenuLanguage_En}) {
        language->setCheckable(true);
    }

    MenuAdjustment = AddAction(nullptr, "MenuAdjustment", [this] { MenuAdjustmentClick(); });

    MenuHelp = addMenu("MenuHelp");
    MenuAbout = AddAction(MenuHelp, "MenuAbout", [this] { MenuAboutClick(); });
    guide_ = new UserGuideAction(context_, *this, *MenuHelp, MenuAbout);
}

QToolButton* TForm1::AddToolButton(QToolBar& bar, const char* name, QAction* action) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setDefaultAction(action);
    bar.addWidget(button);
    return button;
}

void TForm1::BuildToolBar() {
    auto* ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle* look = style();
    MenuFile_New->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    MenuFile_Open->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    MenuFile_Save->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    MenuEdit_Read->setIcon(look->standardIcon(QStyle::SP_ArrowDown));
    MenuEdit_Write->setIcon(look->standardIcon(QStyle::SP_ArrowUp));

    ToolButton_New = AddToolButton(*ToolBar1, "ToolButton_New", MenuFile_New);
    ToolButton_Open = AddToolButton(*ToolBar1, "ToolButton_Open", MenuFile_Open);
    ToolButton_Save = AddToolButton(*ToolBar1, "ToolButton_Save", MenuFile_Save);
    ToolBar1->addSeparator();
    ToolButton_Read = AddToolButton(*ToolBar1, "ToolButton_Read", MenuEdit_Read);
    ToolButton_Write = AddToolButton(*ToolBar1, "ToolButton_Write", MenuEdit_Write);
    ToolBar1->addSeparator();
    ToolButton2 = AddToolButton(*ToolBar1, "ToolButton2", MenuLanguage_Chs);
    ToolButton3 = AddToolButton(*ToolBar1, "ToolButton3", MenuLanguage_Cht);
    ToolButton5 = AddToolButton(*ToolBar1, "ToolButton5", MenuLanguage_En);
    for (QToolButton* language : {ToolButton2, ToolButton3, ToolButton5}) {
        language->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
}

void TForm1::BuildCentre() {
    auto* centre = new QWidget(this);
    centre->setObjectName("centre");
    auto* layout = new QVBoxLayout(centre);

    PageControl_Home = new QTabWidget(centre);
    PageControl_Home->setObjectName("PageControl_Home");
    channelPage_ = new ChannelPage(context_, PageControl_Home);
    channelPage_->setObjectName("TabSheet_ChInfo");
    optionsPage_ = new OptionsPage(context_, PageControl_Home);
    optionsPage_->setObjectName("TabSheet_Option");
    PageControl_Home->addTab(channelPage_, QString());
    PageControl_Home->addTab(optionsPage_, QString());
    layout->addWidget(PageControl_Home, 1);
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is, the grid included.
    const auto turnPage = [this](int step) {
        const int count = PageControl_Home->count();
        PageControl_Home->setCurrentIndex((PageControl_Home->currentIndex() + step + count) %
                                          count);
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [turnPage] { turnPage(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this),
            &QShortcut::activated, this, [turnPage] { turnPage(-1); });

    // The full redraw, without starting a fresh history: an undone step is still a step.
    editing_ = new ChannelEditing(context_, this, *channelPage_, [this] { RefreshFromModel(); });
    editing_->WatchPage(*channelPage_);
    editing_->WatchPage(*optionsPage_);
    editing_->Actions().AddToMenus(MenuFile, MenuEdit);
    compare_ = new CompareActions(context_, this, [this] { StorePendingEdit(); });
    compare_->AddToMenu(MenuFile);
    writes_ = new RadioWriteActions(
        context_, this, [this] { return ReadyToWrite(); },
        [this] { return LocalPath(files_->CurrentFile()); });
    // Connected after the write itself: the radios just written carry a new programming time.
    connect(writes_->writeNextRadio, &QAction::triggered, this, &TForm1::ApplyStatusTexts);
    const QList<QAction*> editActions = MenuEdit->actions();
    const qsizetype afterWrite = editActions.indexOf(MenuEdit_Write) + 1;
    writes_->AddToMenu(MenuEdit,
                       afterWrite < editActions.size() ? editActions[afterWrite] : nullptr);
    sheet_ = new ChannelSheetActions(
        context_, this, [this] { StorePendingEdit(); }, [this] { return files_->DisplayName(); });
    sheet_->AddToMenu(MenuFile);

    // The working band, the radio's last programming time and the service line.
    auto* strip = new QHBoxLayout();
    const auto addLabel = [centre, strip](const char* name) {
        auto* label = new QLabel(centre);
        label->setObjectName(name);
        strip->addWidget(label);
        return label;
    };
    sFreqBand = addLabel("sFreqBand");
    sFreqBand->setFrameShape(QFrame::StyledPanel);
    strip->addSpacing(24);
    sLastWrite = addLabel("sLastWrite");
    sLastWriteTime = addLabel("sLastWriteTime");
    sLastWriteTime->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sLastWriteTime->setMinimumWidth(120);
    strip->addStretch(1);
    sServiceTel = addLabel("sServiceTel");
    layout->addLayout(strip);
    setCentralWidget(centre);

    // The focus sink: a 1 x 1 button in the top left corner that an editor loses its focus to.
    bHide = new QPushButton(this);
    bHide->setObjectName("bHide");
    bHide->setFlat(true);
    bHide->setGeometry(0, 0, 1, 1);
    bHide->raise();

    auto* StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(true);
}

}  // namespace radioprog::ui
