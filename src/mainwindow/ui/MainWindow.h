#pragma once
// The main window (TForm1): menus, tool bar, the two pages and the file and radio commands.
// It loads the configuration as it is created and writes it back as it is destroyed.

#include <QMainWindow>
#include <array>
#include <functional>

#include "appdata/ui/GuiContext.h"

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace radioprog::ui {

class ChannelEditing;
class ChannelPage;
class OptionsPage;
class MainWindowPage;

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

    void MenuFile_NewClick();
    void MenuFile_OpenClick();
    // True when the project was written.
    bool MenuFile_SaveClick();
    void MenuEdit_ReadClick();
    void MenuEdit_WriteClick();
    void MenuEdit_PasswordClick();
    void MenuEdit_SetRadioNewPDClick();
    void MenuPortClick();
    void MenuLanguage_ChsClick();
    void MenuLanguage_ChtClick();
    void MenuLanguage_EnClick();
    void MenuAdjustmentClick();
    void MenuAboutClick();

  protected:
    // The close prompt: Yes saves first, No closes, Cancel keeps the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    // MainWindowMenus.cpp
    void BuildMenus();
    void BuildToolBar();
    void BuildCentre();
    QAction* AddAction(QMenu* menu, const char* name, std::function<void()> handler);
    QToolButton* AddToolButton(const char* name, QAction* action);

    // MainWindowTexts.cpp: the text part of the redraw.
    void ApplyTexts();
    void ApplyStatusTexts();

    void FormCreate();
    void FormDestroy();
    // Stores what an open editor holds, as losing the focus to bHide would.
    void StorePendingEdit();
    void RunDataJob(bool read);
    void SetLanguage(int languageSetting);
    void SelectBandPreset();
    void ShowFileError(const std::string& message);
    std::array<MainWindowPage*, 2> Pages() const;

    GuiContext& context_;

    QAction* MenuFile_New;
    QAction* MenuFile_Open;
    QAction* MenuFile_Save;
    QAction* MenuFile_Exit;
    QAction* MenuEdit_Read;
    QAction* MenuEdit_Write;
    QAction* MenuEdit_Password;
    QAction* MenuEdit_SetRadioNewPD;
    QAction* MenuPort;
    QAction* MenuLanguage_Chs;
    QAction* MenuLanguage_Cht;
    QAction* MenuLanguage_En;
    QAction* MenuAdjustment;
    QAction* MenuAbout;
    QMenu* MenuFile;
    QMenu* MenuEdit;
    QMenu* MenuLanguage;
    QMenu* MenuHelp;

    QToolButton* ToolButton_New;
    QToolButton* ToolButton_Open;
    QToolButton* ToolButton_Save;
    QToolButton* ToolButton_Read;
    QToolButton* ToolButton_Write;
    QToolButton* ToolButton2;
    QToolButton* ToolButton3;
    QToolButton* ToolButton5;

    QPushButton* bHide;
    QTabWidget* PageControl_Home;
    ChannelPage* channelPage_;
    OptionsPage* optionsPage_;
    // Undo, clipboard and channel list commands around the channel grid.
    ChannelEditing* editing_;
    QLabel* sFreqBand;
    QLabel* sLastWrite;
    QLabel* sLastWriteTime;
    QLabel* sServiceTel;
};

}  // namespace radioprog::ui
