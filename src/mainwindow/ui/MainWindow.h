#pragma once
// The main window (TForm1): menus, tool bar, the two pages and the file and radio commands.
// It loads the configuration as it is created and writes it back as it is destroyed.

#include <QMainWindow>
#include <array>
#include <functional>

#include "gui/GuiContext.h"
#include "gui/QtDialogTexts.h"

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace radioprog::ui {

class ChannelEditing;
class ChannelPage;
class ChannelSheetActions;
class CompareActions;
class RadioWriteActions;
class OptionsPage;
class MainWindowPage;
class ProjectFiles;
class UserGuideAction;
class ViewMenu;

class TForm1 final : public QMainWindow {
    Q_OBJECT
  public:
    // FormCreate: reads the configuration at context.configPath (writing one with every
    // default when there is none), resets the data and shows it in the configured language.
    explicit TForm1(GuiContext& context, QWidget* parent = nullptr);
    // FormDestroy: the pages' layout, the port choice and the language go back to the file.
    ~TForm1() override;

    // Redraws every text and page from the model.
    void RefreshFromModel();
    // Opens a project file (also used for a file named on the command line); a file that
    // cannot be read is reported and the model stays as it was.
    bool OpenProjectFile(const QString& path);
    // A file named on the command line: a calibration file (.vkfa) opens in the calibration
    // window behind its access code, anything else as a project.
    void OpenFileFromOutside(const QString& path);

  protected:
    // The close prompt: Yes saves first, No closes, Cancel keeps the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void MenuFile_NewClick();
    void MenuFile_OpenClick();
    // True when the project was written.
    bool MenuFile_SaveClick();
    void MenuFile_HistoryClick();
    // Ctrl+R: a fresh project of what the radio holds, untitled.
    void MenuEdit_ReadClick();
    // The radio's data over the open project, which keeps its file and the fields the radio
    // does not hold.
    void MenuEdit_ReadOntoClick();
    void MenuEdit_WriteClick();
    void MenuEdit_PasswordClick();
    void MenuEdit_SetRadioNewPDClick();
    void MenuPortClick();
    void MenuLanguage_ChsClick();
    void MenuLanguage_ChtClick();
    void MenuLanguage_EnClick();
    void MenuAdjustmentClick();
    void MenuAboutClick();

    // MainWindowMenus.cpp
    void BuildMenus();
    void BuildToolBar();
    void BuildCentre();
    QAction* AddAction(QMenu* menu, const char* name, std::function<void()> handler);
    QToolButton* AddToolButton(QToolBar& bar, const char* name, QAction* action);

    // MainWindowTexts.cpp: the text part of the redraw.
    void ApplyTexts();
    void ApplyStatusTexts();

    void FormCreate();
    void FormDestroy();
    // Stores what an open editor holds, as losing the focus to bHide would.
    void StorePendingEdit();
    void ReadFromRadio(bool ontoProject);
    // Stores a pending edit; asks before writing a project without channels.
    bool ReadyToWrite();
    void SetLanguage(int languageSetting);
    void SelectBandPreset();
    // After a radio read or a band change: the whole project is new, and so is its history.
    void ProjectReplaced(ProjectReplacement how, const QString& when, const QString& label);
    std::array<MainWindowPage*, 2> Pages() const;

    GuiContext& context_;
    QtDialogTexts qtDialogTexts_;

    QAction* MenuFile_New = nullptr;
    QAction* MenuFile_Open = nullptr;
    QAction* MenuFile_Save = nullptr;
    QAction* MenuFile_SaveAs = nullptr;
    QAction* MenuFile_History = nullptr;
    QAction* MenuFile_Exit = nullptr;
    QAction* MenuEdit_Read = nullptr;
    QAction* MenuEdit_ReadOnto = nullptr;
    QAction* MenuEdit_Write = nullptr;
    QAction* MenuEdit_Password = nullptr;
    QAction* MenuEdit_SetRadioNewPD = nullptr;
    QAction* MenuPort = nullptr;
    QAction* MenuLanguage_Chs = nullptr;
    QAction* MenuLanguage_Cht = nullptr;
    QAction* MenuLanguage_En = nullptr;
    QAction* MenuAdjustment = nullptr;
    QAction* MenuAbout = nullptr;
    QMenu* MenuFile = nullptr;
    QMenu* MenuEdit = nullptr;
    QMenu* MenuLanguage = nullptr;
    QMenu* MenuHelp = nullptr;

    QToolButton* ToolButton_New = nullptr;
    QToolButton* ToolButton_Open = nullptr;
    QToolButton* ToolButton_Save = nullptr;
    QToolButton* ToolButton_Read = nullptr;
    QToolButton* ToolButton_Write = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QToolButton* ToolButton5 = nullptr;

    QPushButton* bHide = nullptr;
    QTabWidget* PageControl_Home = nullptr;
    ChannelPage* channelPage_ = nullptr;
    OptionsPage* optionsPage_ = nullptr;
    // Undo, clipboard and channel list commands around the channel grid.
    ChannelEditing* editing_ = nullptr;
    // The current file, the title's mark, Ctrl+S and File > Recent.
    ProjectFiles* files_ = nullptr;
    // Whether the grid shows every field of the record.
    ViewMenu* view_ = nullptr;
    UserGuideAction* guide_ = nullptr;
    // Print... and Export PDF...: the channel sheet.
    ChannelSheetActions* sheet_ = nullptr;
    CompareActions* compare_ = nullptr;
    RadioWriteActions* writes_ = nullptr;
    QLabel* sFreqBand = nullptr;
    QLabel* sLastWrite = nullptr;
    QLabel* sLastWriteTime = nullptr;
    QLabel* sServiceTel = nullptr;
};

}  // namespace radioprog::ui
