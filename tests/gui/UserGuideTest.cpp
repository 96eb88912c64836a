// Help > User guide: a short guide of a bench day, in the language in use, carried inside the
// program, in a window that stays open beside the work and follows a language switch.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTextBrowser>

#include "help/ui/UserGuide.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

using testing::Find;

UserGuideWindow* OpenGuide() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* guide = qobject_cast<UserGuideWindow*>(widget); guide && guide->isVisible()) {
            return guide;
        }
    }
    return nullptr;
}

class UserGuideTest : public testing::MainWindowFixture {};

TEST_F(UserGuideTest, TheGuideOpensInTheLanguageInUseAndFollowsASwitch) {
    WriteConfig("[config]\nLanguage=1\n");
    OpenWindow();
    Child<QAction>("MenuHelp_UserGuide")->trigger();
    UserGuideWindow* guide = OpenGuide();
    ASSERT_NE(guide, nullptr);
    auto* text = Find<QTextBrowser>(guide, "GuideText");
    EXPECT_TRUE(text->toPlainText().contains(QString::fromUtf8("写频的一天")))
        << text->toPlainText().left(200).toStdString();
    EXPECT_EQ(guide->windowTitle(), QString::fromUtf8("使用指南"));
    // Not modal: the main window goes on taking the work.
    EXPECT_FALSE(guide->isModal());

    Child<QAction>("MenuLanguage_En")->trigger();
    EXPECT_TRUE(text->toPlainText().contains("A bench day"))
        << text->toPlainText().left(200).toStdString();
    EXPECT_EQ(Child<QAction>("MenuHelp_UserGuide")->text(), "&User guide");
    // Asked again, the same window comes to the front instead of a second one.
    Child<QAction>("MenuHelp_UserGuide")->trigger();
    EXPECT_EQ(OpenGuide(), guide);
}

// Every language's page is in the program and walks the whole day, so a reader of any of them
// finds the same steps.
TEST_F(UserGuideTest, EachLanguageCarriesEveryStepOfTheDay) {
    using THaldenFuncs::TLangType;
    for (const TLangType language :
         {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
        OpenWindow();  // the pages register with the first guide window
        Child<QAction>("MenuHelp_UserGuide")->trigger();
        QFile page(UserGuidePage(language));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_EQ(html.count("<h2>"), 7) << page.fileName().toStdString();
        for (const char* shortcut : {"Ctrl+R", "Ctrl+W", "Ctrl+Shift+W", "Ctrl+Z"}) {
            EXPECT_TRUE(html.contains(shortcut))
                << page.fileName().toStdString() << " " << shortcut;
        }
        CloseWindow();
    }
}

}  // namespace
}  // namespace radioprog::ui
