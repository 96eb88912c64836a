// The main window in each language: every caption from the table, the check marks, the item
// lists refilled without doubling, the value texts, and the about box.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>

#include "gui/UiText.h"
#include "lang/LanguageSetting.h"
#include "mainwindow/ui/MainWindowTexts.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

using testing::Find;

struct Language {
    const char* button;  // tool button that switches to it
    const char* action;  // its menu item
    int setting;
    const char* openCaption;  // one caption spelled out, so a wrong table shows
};

const Language kLanguages[] = {
    {"ToolButton3", "MenuLanguage_Cht", kLanguageSettingTraditional, "打開(&O)"},
    {"ToolButton5", "MenuLanguage_En", kLanguageSettingEnglish, "&Open"},
    {"ToolButton2", "MenuLanguage_Chs", kLanguageSettingSimplified, "打开(&O)"},
};

// Element -> text id, for every caption of the shell.
const std::pair<const char*, TextId> kMenuTitles[] = {
    {"MenuFile", 1}, {"MenuEdit", 6}, {"MenuLanguage", 10}, {"MenuHelp", 14}};
const std::pair<const char*, TextId> kActionTexts[] = {{"MenuFile_New", 2},
                                                       {"MenuFile_Open", 3},
                                                       {"MenuFile_Save", 4},
                                                       {"MenuFile_Exit", 5},
                                                       {"MenuEdit_Read", 7},
                                                       {"MenuEdit_Write", 8},
                                                       {"MenuEdit_Password", 231},
                                                       {"MenuEdit_SetRadioNewPD", 257},
                                                       {"MenuPort", 9},
                                                       {"MenuLanguage_Chs", 11},
                                                       {"MenuLanguage_Cht", 12},
                                                       {"MenuLanguage_En", 13},
                                                       {"MenuAbout", 166},
                                                       {"MenuAdjustment", 167}};
const std::pair<const char*, TextId> kToolHints[] = {{"ToolButton_New", 244},
                                                     {"ToolButton_Open", 245},
                                                     {"ToolButton_Save", 246},
                                                     {"ToolButton_Read", 247},
                                                     {"ToolButton_Write", 248}};
const std::pair<const char*, int> kListCounts[] = {
    {"cbSQL", 10}, {"cbTOT", 41}, {"cbTOA", 11}, {"cbVoice", 3}, {"cbSaving_Rate", 10}};

class MainWindowTextsTest : public testing::MainWindowFixture {};

TEST_F(MainWindowTextsTest, EachLanguageRelabelsEveryShellTextAndRefillsListsOnce) {
    WriteConfig("[config]\nLanguage=1\n");
    OpenWindow();
    // Twice round, so every list has been refilled several times over.
    for (int round = 0; round < 2; ++round) {
        for (const Language& language : kLanguages) {
            SCOPED_TRACE(language.action);
            QTest::mouseClick(Child<QToolButton>(language.button), Qt::LeftButton);
            THaldenFuncs::TAppLang expected("C");
            ApplyLanguageSetting(expected, language.setting);

            EXPECT_EQ(data.config.languageSetting, language.setting);
            EXPECT_EQ(window->windowTitle(), UiText(expected, 0));
            for (const auto& [name, id] : kMenuTitles) {
                EXPECT_EQ(Child<QMenu>(name)->title(), UiText(expected, id)) << name;
            }
            for (const auto& [name, id] : kActionTexts) {
                // A caption the table gives without an accelerator shows with one added.
                const QString caption = UiText(expected, id);
                QString shown = Child<QAction>(name)->text();
                if (!caption.contains('&')) {
                    shown.remove(QRegularExpression(R"(\(&.\)$)")).remove('&');
                }
                EXPECT_EQ(shown, caption) << name;
            }
            for (const auto& [name, id] : kToolHints) {
                EXPECT_EQ(Child<QToolButton>(name)->toolTip(), UiText(expected, id)) << name;
            }
            EXPECT_EQ(Child<QAction>("MenuFile_Open")->text(), QString(language.openCaption));
            auto* tabs = Child<QTabWidget>("PageControl_Home");
            EXPECT_EQ(tabs->tabText(0), UiText(expected, 25));
            EXPECT_EQ(tabs->tabText(1), UiText(expected, 35));
            EXPECT_EQ(Child<QLabel>("sLastWrite")->text(), UiText(expected, 212));
            EXPECT_EQ(Child<QLabel>("sServiceTel")->text(),
                      UiText(expected, 270) + " " + kServiceTelephone);
            EXPECT_EQ(Child<QLabel>("sFreqBand")->text(), "400.00000-480.00000");
            for (const char* mark : {"MenuLanguage_Chs", "MenuLanguage_Cht", "MenuLanguage_En"}) {
                EXPECT_EQ(Child<QAction>(mark)->isChecked(), std::string(mark) == language.action)
                    << mark;
            }
            for (const auto& [name, count] : kListCounts) {
                EXPECT_EQ(Child<QComboBox>(name)->count(), count) << name;
            }
        }
    }
}

TEST_F(MainWindowTextsTest, TheValueTextsShowTheBandAndTheLastWriteTime) {
    WriteConfig("[config]\nLanguage=0\n[Band]\nband min=136000000\nband max=174000000\n");
    OpenWindow();
    EXPECT_EQ(Child<QLabel>("sFreqBand")->text(), "136.00000-174.00000");
    EXPECT_EQ(Child<QLabel>("sLastWriteTime")->text(), "0-0-0  0:0");

    data.lastWriteTime = {2024, 3, 7, 9, 5};
    data.band = {400000000, 480000000};
    window->RefreshFromModel();
    EXPECT_EQ(Child<QLabel>("sLastWriteTime")->text(), "2024-3-7  9:05");
    EXPECT_EQ(Child<QLabel>("sFreqBand")->text(), "400.00000-480.00000");
    // The band matches the fourth preset, which becomes the one saved as selected.
    EXPECT_EQ(data.config.bandSelect, 3);
    EXPECT_EQ(LastWriteTimeText({2031, 12, 31, 23, 59}), "2031-12-31  23:59");
    // Only the minutes are padded, also at the turn of the hour; a radio without a stamp
    // keeps its plain zeros.
    EXPECT_EQ(LastWriteTimeText({2027, 1, 2, 0, 0}), "2027-1-2  0:00");
    EXPECT_EQ(FreqBandText({0, 520000000}), "0-520.00000");
}

TEST_F(MainWindowTextsTest, TheAboutBoxNamesTheProgramInTheCurrentLanguage) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    QStringList shown;
    modals.QueueDialogHandler([&shown](QDialog& box) {
        shown << box.windowTitle();
        for (const char* name : {"sName", "sVersion", "sOwner1", "sOwner2"}) {
            shown << Find<QLabel>(&box, name)->text();
        }
        auto* ok = Find<QPushButton>(&box, "OKBtn");
        shown << ok->text();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    Child<QAction>("MenuAbout")->trigger();
    EXPECT_EQ(shown,
              QStringList({"About", "QM740-2B Radio Programming Software", "Version: V5A01TD15",
                           "The RadioProg developers", "Provided as is, without warranty", "Ok"}));
    EXPECT_TRUE(modals.AllAnswersUsed());
}

}  // namespace
}  // namespace radioprog::ui
