// The text part of the main window's redraw: every caption in the current language, the
// language check marks, and the status texts that show values (band, last write time).

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

#include "compare/ui/CompareActions.h"
#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/HistoryText.h"
#include "lang/LanguageSetting.h"
#include "lang/ProjectFileText.h"
#include "lang/TextIds.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelSheetActions.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/MainWindowTexts.h"
#include "mainwindow/ui/RadioWriteActions.h"
#include "model/FreqCodec.h"

namespace radioprog::ui {

namespace {

struct ActionText {
    QAction* action;
    TextId id;
};

// A menu caption of the interface table that carries no accelerator gets one: the letter is
// marked where the caption has it, else added in brackets as the Chinese captions do.
QString WithAccelerator(QString caption, QChar letter) {
    if (caption.contains(QLatin1Char('&'))) {
        return caption;
    }
    const qsizetype at = caption.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at >= 0) {
        return caption.insert(at, QLatin1Char('&'));
    }
    return caption + QStringLiteral("(&%1)").arg(letter.toUpper());
}

}  // namespace

QString FreqBandText(const BandLimits& band) {
    return FromUtf8(FreqToText(band.lower) + "-" + FreqToText(band.upper));
}

QString LastWriteTimeText(const LastWriteTime& time) {
    // A time reads "9:05", not "9:5"; a radio without a stamp keeps its plain "0:0".
    const int minuteDigits = time == LastWriteTime{} ? 1 : 2;
    return QStringLiteral("%1-%2-%3  %4:%5")
        .arg(time.year)
        .arg(time.month)
        .arg(time.day)
        .arg(time.hour)
        .arg(time.minute, minuteDigits, 10, QLatin1Char('0'));
}

void TForm1::ApplyTexts() {
    const auto& lang = context_.data.lang;
    const int setting = context_.data.config.languageSetting;
    MenuLanguage_Chs->setChecked(setting == kLanguageSettingSimplified);
    MenuLanguage_Cht->setChecked(setting == kLanguageSettingTraditional);
    MenuLanguage_En->setChecked(setting == kLanguageSettingEnglish);

    qtDialogTexts_.Follow(lang.LangType());
    // The title alone: a display name would be appended by the window system to the title
    // of every dialog, leaving small ones room for little else.
    setWindowTitle(UiText(lang, text::kProgramName));

    const struct {
        QMenu* menu;
        TextId id;
    } menus[] = {{MenuFile, 1}, {MenuEdit, 6}, {MenuLanguage, 10}, {MenuHelp, 14}};
    for (const auto& m : menus) {
        m.menu->setTitle(UiText(lang, m.id));
    }
    const ActionText actions[] = {
        {MenuFile_New, 2},        {MenuFile_Open, 3},    {MenuFile_Save, 4},
        {MenuFile_Exit, 5},       {MenuEdit_Read, 7},    {MenuEdit_Write, 8},
        {MenuEdit_Password, 231}, {MenuPort, 9},         {MenuLanguage_Chs, 11},
        {MenuLanguage_Cht, 12},   {MenuLanguage_En, 13}, {MenuAbout, 166},
        {MenuAdjustment, 167}};
    for (const auto& a : actions) {
        a.action->setText(UiText(lang, a.id));
    }
    MenuEdit_SetRadioNewPD->setText(WithAccelerator(UiText(lang, 257), QLatin1Char('e')));
    MenuFile_History->setText(FromUtf8(HistoryTextUtf8(lang, HistoryTextId::MenuItem)));
    MenuFile_SaveAs->setText(FromUtf8(ProjectFileTextUtf8(lang, ProjectFileTextId::SaveAs)));
    MenuEdit_ReadOnto->setText(
        FromUtf8(ProjectFileTextUtf8(lang, ProjectFileTextId::ReadOntoProject)));
    // Tool bar: the file and radio buttons carry short hints; the language buttons show the
    // language names (without the menu's accelerator mark).
    const ActionText hints[] = {{MenuFile_New, 244},
                                {MenuFile_Open, 245},
                                {MenuFile_Save, 246},
                                {MenuEdit_Read, 247},
                                {MenuEdit_Write, 248}};
    for (const auto& h : hints) {
        h.action->setToolTip(UiText(lang, h.id));
        h.action->setIconText(UiText(lang, h.id));
    }
    for (QAction* language : {MenuLanguage_Chs, MenuLanguage_Cht, MenuLanguage_En}) {
        language->setIconText(QString(language->text()).remove('&'));
        language->setToolTip(language->iconText());
    }

    PageControl_Home->setTabText(0, UiText(lang, text::kChannelPage));
    PageControl_Home->setTabText(1, UiText(lang, text::kOptionsPage));
    sLastWrite->setText(UiText(lang, text::kLastProgramDate));
    sServiceTel->setText(UiText(lang, text::kHotline) + ' ' +
                         QString::fromLatin1(kServiceTelephone));
    editing_->RefreshTexts();
    sheet_->RefreshTexts();
    compare_->RefreshTexts();
    writes_->RefreshTexts();
}

void TForm1::ApplyStatusTexts() {
    sFreqBand->setText(FreqBandText(context_.data.band));
    sLastWriteTime->setText(LastWriteTimeText(context_.data.lastWriteTime));
}

}  // namespace radioprog::ui
