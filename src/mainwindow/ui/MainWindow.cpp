#include "mainwindow/ui/MainWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTime>
#include <QTimer>

#include "appdata/Settings.h"
#include "dialogs/ui/AboutDialog.h"
#include "dialogs/ui/ServiceDialogs.h"
#include "gui/FileErrors.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "gui/WindowPlacement.h"
#include "help/ui/UserGuide.h"
#include "history/ui/HistoryWindow.h"
#include "lang/ChannelEditText.h"
#include "lang/LanguageSetting.h"
#include "lang/ProjectFileText.h"
#include "lang/TextIds.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "mainwindow/ui/ChannelSheetActions.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "mainwindow/ui/OptionsPage.h"
#include "mainwindow/ui/ProjectFiles.h"
#include "mainwindow/ui/RadioWriteActions.h"
#include "mainwindow/ui/ServiceWindows.h"
#include "mainwindow/ui/ViewMenu.h"
#include "model/ProjectFile.h"
#include "model/RadioRanges.h"
#include "port/ui/PortDialog.h"
#include "session/ui/ProgramDialog.h"

namespace radioprog::ui {

namespace {

FileDialogRequest ProjectFileRequest(const AppData& data, TextId title) {
    return {UiText(data.lang, title), QStringLiteral("Veska File(*.Vkf)"), QStringLiteral("Vkf")};
}

}  // namespace

TForm1::TForm1(GuiContext& context, QWidget* parent) : QMainWindow(parent), context_(context) {
    setObjectName("TForm1");
    BuildMenus();
    BuildToolBar();
    BuildCentre();
    // Room for the whole channel grid at its default sizes, within the screen and centred on
    // it: at a large scale factor a small screen must still show the status line.
    resize(720, 600);
    CentreOnScreen(*this);
    connect(&context_.events, &ProjectEvents::projectReplaced, this, &TForm1::ProjectReplaced);
    const QList<QAction*> fileItems = MenuFile->actions();
    files_ = new ProjectFiles(
        context_, *this, *MenuFile, fileItems.value(fileItems.indexOf(MenuFile_SaveAs) + 1),
        [this](const QString& path) {
            StorePendingEdit();
            if (files_->ReadyToReplace()) {
                OpenProjectFile(path);
            }
        },
        [this] { return MenuFile_SaveClick(); });
    for (MainWindowPage* page : Pages()) {
        connect(page, &MainWindowPage::projectEdited, files_, &ProjectFiles::Refresh);
    }
    view_ = new ViewMenu(context_, *this, *MenuLanguage, *channelPage_);
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::FormCreate() {
    AppData& appData = context_.data;
    const SettingsLoad loaded =
        LoadSettings(context_.configPath, appData, MissingConfiguration::Create);
    if (const std::string warning = loaded.Warning(context_.configPath); !warning.empty()) {
        // Once the window is up, so that the box stands over it rather than alone.
        QTimer::singleShot(0, this,
                           [this, text = FromUtf8(warning)] { context_.Tell(this, text); });
    }
    if (loaded.load == ConfigLoad::Loaded) {
        ProbePorts(appData.port);
        KeepPortNumberPresent(appData.port);
    }
    if (appData.config.windows.mainWindow) {
        RestorePlace(*this, appData.config.windows.mainWindow);
    }
    ResetProjectToDefaults(appData);
    ResetCalibrationData(appData.calibration, appData.band);
    ApplyLanguageSetting(appData.lang, appData.config.languageSetting);
    context_.modals.SetStartFolder(
        QFile::decodeName(QByteArray::fromStdString(appData.config.lastFolder)));
    files_->StartedNew();
    RefreshFromModel();
    editing_->StartFreshHistory();
}

void TForm1::FormDestroy() {
    AppData& appData = context_.data;
    for (MainWindowPage* page : Pages()) {
        page->StoreLayoutInConfiguration();
    }
    StoreInConfiguration(appData.port, appData.config);
    // Only a window that was shown has a place worth keeping.
    if (windowHandle() != nullptr) {
        appData.config.windows.mainWindow = PlaceOf(*this);
    }
    appData.config.lastFolder = LocalPath(context_.modals.StartFolder());
    SaveConfiguration(context_.configPath, appData.config, appData.band);
}

std::array<MainWindowPage*, 2> TForm1::Pages() const {
    return {channelPage_, optionsPage_};
}

void TForm1::RefreshFromModel() {
    ApplyTexts();
    SelectBandPreset();
    ApplyStatusTexts();
    for (MainWindowPage* page : Pages()) {
        page->RefreshFromModel();
    }
    // After start, New, Open, a read or a language switch the keys belong to the channels,
    // not to the tool bar that comes first in the tab order.
    if (PageControl_Home->currentIndex() == 0) {
        channelPage_->FocusGrid();
    }
    if (files_ != nullptr) {
        files_->Refresh();
        view_->Refresh();
        guide_->Refresh();
    }
}

void TForm1::SelectBandPreset() {
    ConfigValues& config = context_.data.config;
    for (int i = 0; i < kBandPresetCount; ++i) {
        if (config.bandPresets[static_cast<size_t>(i)] == context_.data.band) {
            config.bandSelect = i;
            return;
        }
    }
}

void TForm1::StorePendingEdit() {
    // Losing the focus stores an editor's value; the explicit call covers a window that
    // never had the focus to lose (minimised, or under another program).
    bHide->setFocus();
    for (MainWindowPage* page : Pages()) {
        page->CommitPendingEdit();
    }
}

void TForm1::ProjectReplaced(ProjectReplacement how, const QString& when, const QString& label) {
    // What a radio or the history holds belongs to no file: saving it must never overwrite
    // the project that was open, so it becomes untitled and Save asks for a name.
    const auto& lang = context_.data.lang;
    if (how == ProjectReplacement::RadioRead) {
        files_->StartedUntitled(
            FromUtf8(ProjectFileTextUtf8(lang, ProjectFileTextId::ReadFromRadioOrigin))
                .arg(QTime::currentTime().toString(QStringLiteral("HH:mm"))));
    } else if (how == ProjectReplacement::HistoryEntry) {
        files_->StartedUntitled(
            FromUtf8(ProjectFileTextUtf8(lang, ProjectFileTextId::HistoryEntryOrigin)).arg(when));
        sheet_->SetOrigin(label, std::nullopt);
    }
    RefreshFromModel();
    // A read replaces unsaved edits: it is one step to undo. A band change clears all data by
    // design, behind its access code and confirmation: channels of the old band must not come
    // back under the new one.
    if (how == ProjectReplacement::BandChange) {
        editing_->StartFreshHistory();
    } else {
        editing_->RecordRadioRead();
    }
}

void TForm1::MenuFile_NewClick() {
    const auto& lang = context_.data.lang;
    StorePendingEdit();
    if (!files_->ReadyToReplace() ||
        !context_.modals.Confirm(this, UiText(lang, text::kClearAllQuestion),
                                 UiText(lang, text::kOk), UiText(lang, text::kCancel))) {
        return;
    }
    ResetProjectToDefaults(context_.data);
    files_->StartedNew();
    sheet_->SetOrigin({}, std::nullopt);
    RefreshFromModel();
    editing_->StartFreshHistory();
}

bool TForm1::OpenProjectFile(const QString& path) {
    AppData& appData = context_.data;
    // Read into copies: a file that cannot be read leaves the project as it was.
    ProjectImage image = appData.image;
    BandLimits band = appData.band;
    const FileResult result = OpenProject(LocalPath(path), image, band);
    if (!result) {
        TellFileError(context_, this, ToolTextId::CannotOpenFile, result);
        return false;
    }
    appData.image = image;
    appData.band = band;
    files_->Opened(path);
    sheet_->SetOrigin({}, std::nullopt);
    RefreshFromModel();
    editing_->StartFreshHistory();
    if (!result.notice.empty()) {
        context_.Tell(this, FromUtf8(result.notice));
    }
    return true;
}

void TForm1::OpenFileFromOutside(const QString& path) {
    if (path.endsWith(QStringLiteral(".vkfa"), Qt::CaseInsensitive)) {
        RunAccessCodeDialog(context_, this, path);
    } else {
        OpenProjectFile(path);
    }
}

void TForm1::MenuFile_OpenClick() {
    PageControl_Home->setCurrentIndex(0);
    StorePendingEdit();
    channelPage_->FocusGrid();
    if (!files_->ReadyToReplace()) {
        return;
    }
    const auto path =
        context_.modals.OpenFileName(this, ProjectFileRequest(context_.data, text::kOpenTitle));
    if (path) {
        OpenProjectFile(*path);
    }
}

bool TForm1::MenuFile_SaveClick() {
    // Saving leaves the user on the page they were working on.
    StorePendingEdit();
    const auto path =
        context_.modals.SaveFileName(this, ProjectFileRequest(context_.data, text::kSaveTitle));
    if (!path) {
        return false;
    }
    AppData& appData = context_.data;
    const FileResult result = SaveProject(LocalPath(*path), appData.image, appData.band);
    if (!result) {
        TellFileError(context_, this, ToolTextId::CannotSaveFile, result);
    } else {
        files_->Opened(*path);
        if (!result.notice.empty()) {
            context_.Tell(this, FromUtf8(result.notice));
        }
    }
    return result.ok;
}

void TForm1::MenuFile_HistoryClick() {
    StorePendingEdit();
    // Opening an entry is one step to undo; edits not yet a step become one first.
    editing_->RecordUnrecordedChanges();
    if (const auto calibration =
            RunHistoryWindow(context_, this, HistorySettingsOf(context_.data.config))) {
        RunAccessCodeDialog(context_, this, *calibration);
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    const auto& lang = context_.data.lang;
    const ModalAnswer answer = context_.modals.AskYesNoCancel(
        this, UiText(lang, text::kSaveQuestion), UiText(lang, text::kYes), UiText(lang, text::kNo),
        UiText(lang, text::kCancel));
    // A save that was cancelled or failed keeps the window, so no edit is lost unasked.
    const bool close =
        answer == ModalAnswer::No || (answer == ModalAnswer::Yes && MenuFile_SaveClick());
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::ReadFromRadio(bool ontoProject) {
    channelPage_->MoveToFirstCell();
    StorePendingEdit();
    // The open project comes back in one undo step; edits not yet a step become one first.
    editing_->RecordUnrecordedChanges();
    // Read into a copy, so that only a read that succeeds replaces the project. A fresh read
    // starts from the defaults: nothing the radio does not hold (names, squelch modes, DTMF)
    // may come over from the open project onto another radio's channels. The unlock password
    // stays, as it is what opens a protected radio, and so does the band's copy, which is no
    // one's field: every save writes it from the working band.
    SessionState read = context_.data;
    if (!ontoProject) {
        const ProjectImage open = read.image;
        read.image.ResetToDefaults();
        read.image.SetText(image::UnlockPassword, open.Text(image::UnlockPassword));
        read.image.Set(image::BandUpper, open.Get(image::BandUpper));
        read.image.Set(image::BandLower, open.Get(image::BandLower));
        read.lastWriteTime = {};
    }
    ProgramJob job;
    job.caption = UiText(context_.data.lang, text::kReadFromRadio);
    job.readInto = &read;
    const ProgramResult result = RunProgramDialogFor(context_, this, job);
    if (result.outcome != SessionOutcome::Success) {
        return;
    }
    static_cast<SessionState&>(context_.data) = read;
    context_.data.radioRead = result.radioMet;
    if (ontoProject) {
        // The radio's data over the open project, which keeps its file, its names and the job
        // its sheet is for.
        sheet_->SetRadio(result.radioMet);
        RefreshFromModel();
        editing_->RecordRadioRead();
    } else {
        sheet_->SetOrigin({}, result.radioMet);
        ProjectReplaced(ProjectReplacement::RadioRead, {}, {});
    }
}

void TForm1::MenuEdit_ReadClick() {
    ReadFromRadio(false);
}

void TForm1::MenuEdit_ReadOntoClick() {
    ReadFromRadio(true);
}

bool TForm1::ReadyToWrite() {
    StorePendingEdit();
    const auto& lang = context_.data.lang;
    if (!HasChannelTheRadioHolds(context_.data.image) &&
        !context_.modals.Confirm(
            this, FromUtf8(ChannelEditTextUtf8(lang, ChannelEditTextId::EmptyWriteQuestion)),
            UiText(lang, text::kOk), OwnCancelText(lang))) {
        return false;
    }
    // Values the grid moved on its own are named before they reach a radio; once the user
    // writes them anyway they are accepted and not asked about again.
    ChannelTableModel& grid = channelPage_->Model();
    if (grid.MovedValuesInForce().empty()) {
        return true;
    }
    const QString question =
        FromUtf8(ChannelEditTextUtf8(lang, ChannelEditTextId::MovedValuesWriteQuestion))
            .arg(grid.MovedValuesText());
    if (!context_.modals.Confirm(this, question, UiText(lang, text::kOk), OwnCancelText(lang))) {
        return false;
    }
    grid.AcceptMovedValues();
    return true;
}

void TForm1::MenuEdit_WriteClick() {
    if (ReadyToWrite()) {
        channelPage_->MoveToFirstCell();
        StorePendingEdit();
        writes_->Write(false);
        // A written radio carries the time of this write as its last programming time.
        ApplyStatusTexts();
    }
}

void TForm1::MenuEdit_PasswordClick() {
    StorePendingEdit();
    RunSetPasswordDialog(context_, this);
}

void TForm1::MenuEdit_SetRadioNewPDClick() {
    StorePendingEdit();
    RunNewPasswordDialog(context_, this);
}

void TForm1::MenuAdjustmentClick() {
    StorePendingEdit();
    RunAccessCodeDialog(context_, this);
}

void TForm1::MenuPortClick() {
    RunPortDialog(context_, this);
}

void TForm1::MenuAboutClick() {
    RunAboutDialog(context_, this);
}

void TForm1::SetLanguage(int languageSetting) {
    StorePendingEdit();
    context_.data.config.languageSetting = languageSetting;
    ApplyLanguageSetting(context_.data.lang, languageSetting);
    RefreshFromModel();
}

void TForm1::MenuLanguage_ChsClick() {
    SetLanguage(kLanguageSettingSimplified);
}

void TForm1::MenuLanguage_ChtClick() {
    SetLanguage(kLanguageSettingTraditional);
}

void TForm1::MenuLanguage_EnClick() {
    SetLanguage(kLanguageSettingEnglish);
}

}  // namespace radioprog::ui
