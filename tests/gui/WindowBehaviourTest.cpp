// How the windows behave around the work: the main window, the history window and the compare
// view come back where they were left; the history and calibration windows fit a small screen
// with their buttons in sight; the theme chosen in the View menu holds for the whole program,
// also after a restart, and the grid's coloured rows follow it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>

#include "gui/WindowPlacement.h"
#include "mainwindow/ui/Theme.h"
#include "model/ProjectFile.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

using testing::Find;

class WindowBehaviourTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        WriteConfig("[config]\nLanguage=0\n[History]\nFolder=" + folder.File("history") + "\n");
    }
    void TearDown() override {
        // The look belongs to the whole program: the next story starts with the desktop's.
        if (window != nullptr) {
            Child<QAction>("MenuView_ThemeSystem")->trigger();
        }
    }

    // Runs the window the action opens; inside, act may move it, then it is closed.
    void InWindow(const char* action, const std::function<void(QDialog&)>& act) {
        modals.QueueDialogHandler([act](QDialog& dialog) {
            act(dialog);
            dialog.reject();
        });
        Child<QAction>(action)->trigger();
        ASSERT_TRUE(modals.AllAnswersUsed());
    }
    void QueueComparedFile() {
        const std::string file = folder.File("other.Vkf");
        ASSERT_TRUE(SaveProject(file, data.image, data.band));
        modals.QueueFileName(QString::fromStdString(file));
    }
    // The whole window, frame and all, and the named button at its foot on the screen.
    static void ExpectOnScreen(QWidget& window, const char* button) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window.frameGeometry()))
            << window.objectName().toStdString() << " " << window.width() << "x" << window.height()
            << " min " << window.minimumSizeHint().height() << " " << window.minimumHeight()
            << " screen " << screen.height() << " " << screen.y() << " at " << window.y()
            << " frame " << window.frameGeometry().y() << "+" << window.frameGeometry().height();
        auto* foot = Find<QWidget>(&window, button);
        const QRect footOnScreen(foot->mapToGlobal(QPoint(0, 0)), foot->size());
        EXPECT_TRUE(foot->isVisible() && screen.contains(footOnScreen))
            << window.objectName().toStdString();
    }
};

TEST_F(WindowBehaviourTest, TheWindowsComeBackWhereTheyWereLeft) {
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect mainPlace(30, 70, 700, 480);
    const QRect historyPlace(60, 90, 700, 450);
    const QRect comparePlace(20, 50, 760, 500);
    window->setGeometry(mainPlace);
    InWindow("MenuFile_History", [&](QDialog& dialog) { dialog.setGeometry(historyPlace); });
    QueueComparedFile();
    InWindow("MenuFile_CompareFile", [&](QDialog& dialog) { dialog.setGeometry(comparePlace); });
    // Closing the program keeps the places; the next start shows each window there again.
    CloseWindow();
    OpenWindow();
    EXPECT_EQ(window->geometry(), mainPlace);
    QRect history;
    InWindow("MenuFile_History", [&](QDialog& dialog) { history = dialog.geometry(); });
    EXPECT_EQ(history, historyPlace);
    QRect compare;
    QueueComparedFile();
    InWindow("MenuFile_CompareFile", [&](QDialog& dialog) { compare = dialog.geometry(); });
    EXPECT_EQ(compare, comparePlace);
}

TEST_F(WindowBehaviourTest, APlaceOffEveryScreenOrLargerThanItComesBackOnTheScreen) {
    WriteConfig(
        "[config]\nLanguage=0\n[Windows]\nMainWindow=5000,4000,700,500\n"
        "HistoryWindow=10,10,4000,3000\n[History]\nFolder=" +
        folder.File("history") + "\n");
    OpenWindow();
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->geometry())) << window->x() << "," << window->y();
    EXPECT_EQ(window->size(), QSize(700, 500));
    InWindow("MenuFile_History", [](QDialog& dialog) { ExpectOnScreen(dialog, "bClose"); });
}

// The offscreen screen (800 x 600) is the room of a 1600 x 1000 screen at scale 2, nearly.
TEST_F(WindowBehaviourTest, HistoryAndCalibrationFitASmallScreenWithTheirButtonsInSight) {
    OpenWindow();
    InWindow("MenuFile_History", [](QDialog& dialog) { ExpectOnScreen(dialog, "bClose"); });
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eInput"), "mqwr47");
        QTest::mouseClick(Find<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
    });
    InWindow("MenuAdjustment", [](QDialog& dialog) { ExpectOnScreen(dialog, "bSave"); });
}

TEST_F(WindowBehaviourTest, TheDarkThemeHoldsForEveryWindowAndAfterARestart) {
    OpenWindow();
    data.image.Channel(1).InitialiseNew(446006250);
    data.image.SetChannelValid(1, true);
    window->RefreshFromModel();
    auto* grid = Child<QTableView>("StringGrid1");
    const auto oddRow = [grid] {
        return grid->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>();
    };
    const QColor lightOddRow = oddRow();
    Child<QAction>("MenuView_ThemeDark")->trigger();
    EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
    EXPECT_TRUE(IsDarkPalette(grid->palette()));
    EXPECT_TRUE(Child<QAction>("MenuView_ThemeDark")->isChecked());
    // The coloured rows stay a shade off the dark base instead of glaring light green, and
    // their text is the palette's light one.
    EXPECT_LT(oddRow().lightness(), 100);
    EXPECT_NE(oddRow(), lightOddRow);
    EXPECT_FALSE(grid->model()->index(0, 1).data(Qt::ForegroundRole).isValid());

    // A new start begins in the desktop's light look; the configuration brings the dark one.
    CloseWindow();
    QApplication::setPalette(QApplication::style()->standardPalette());
    OpenWindow();
    EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
    EXPECT_TRUE(Child<QAction>("MenuView_ThemeDark")->isChecked());

    Child<QAction>("MenuView_ThemeLight")->trigger();
    EXPECT_FALSE(IsDarkPalette(QApplication::palette()));
    data.image.Channel(1).InitialiseNew(446006250);
    data.image.SetChannelValid(1, true);
    window->RefreshFromModel();
    const QModelIndex cell = Child<QTableView>("StringGrid1")->model()->index(0, 1);
    EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), lightOddRow);
}

}  // namespace
}  // namespace radioprog::ui
