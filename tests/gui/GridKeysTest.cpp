// The channel grid from the keyboard alone, in the window as a user has it: the first key
// typed into a cell counts, a letter picks a list item, the grid holds the keys after every
// redraw, Shift with the arrows picks channels, and notes and captions stay true.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

#include "mainwindow/ui/ChannelTableModel.h"
#include "support/GridDriver.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

struct Language {
    const char* action;
    int setting;
};
constexpr Language kLanguages[] = {
    {"MenuLanguage_En", 0}, {"MenuLanguage_Chs", 1}, {"MenuLanguage_Cht", 2}};

class GridKeysTest : public testing::MainWindowFixture {
  protected:
    void OpenWindowIn(int languageSetting) {
        WriteConfig("[config]\nLanguage=" + std::to_string(languageSetting) +
                    "\n[View]\nAllChannelFields=1\n");
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid = Child<QTableView>("StringGrid1");
        ASSERT_NE(grid, nullptr);
        driver = testing::GridDriver(grid);
    }
    // Channels 1 to 3 in use, on 441, 442 and 443 MHz.
    void StartThreeChannels() {
        for (int row = 0; row < 3; ++row) {
            driver.Enter(row, kColRxFreq, QString::number(441 + row));
        }
    }
    // The key as a keyboard with an input method sends it: any character, not only Latin-1.
    void Type(QWidget* target, QChar c) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void TypeText(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            Type(target, c);
        }
    }
    QAction* Action(const char* name) { return Child<QAction>(name); }

    QTableView* grid = nullptr;
    testing::GridDriver driver{nullptr};
};

// Moving onto a text cell with the arrows and typing: the first key is the first character,
// in English and in Chinese alike.
TEST_F(GridKeysTest, EveryTextCellKeepsTheFirstKeyTypedAfterTheArrows) {
    const struct {
        int language;
        int column;
        QString typed;
        QString shown;
    } cases[] = {
        {0, kColTxFreq, "439", "439.00000"},
        {0, kColRxTone, "D023N", "D023N"},
        {0, kColTxTone, "100", "100.0"},
        {0, kColName, "WARE", "WARE"},
        {1, kColName, QString::fromUtf8("仓库"), QString::fromUtf8("仓库")},
        {2, kColName, QString::fromUtf8("倉庫"), QString::fromUtf8("倉庫")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        OpenWindowIn(c.language);
        driver.Enter(0, kColRxFreq, "438.5");
        grid->setFocus();
        grid->setCurrentIndex(driver.Cell(0, kColRxFreq));
        for (int column = kColRxFreq; column < c.column; ++column) {
            QTest::keyClick(grid, Qt::Key_Right);
        }
        ASSERT_EQ(grid->currentIndex(), driver.Cell(0, c.column));
        Type(grid, c.typed.at(0));
        QWidget* editor = driver.OpenEditor();
        ASSERT_NE(editor, nullptr);
        TypeText(QApplication::focusWidget(), c.typed.mid(1));
        driver.Press(Qt::Key_Return);
        EXPECT_EQ(driver.Text(0, c.column), c.shown);
        CloseWindow();
    }
}

// A letter typed on a list cell picks an item that begins with it, as a combo box does: every
// item of every list column, in every language.
TEST_F(GridKeysTest, ALetterTypedOnAListCellPicksAnItemThatBeginsWithIt) {
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.action);
        OpenWindowIn(language.setting);
        driver.Enter(0, kColRxFreq, "438.5");
        const auto& model = static_cast<const ChannelTableModel&>(*grid->model());
        for (int column = 0; column < model.columnCount(); ++column) {
            const QStringList items = model.ListItems(column);
            for (const QString& item : items) {
                SCOPED_TRACE(item.toStdString());
                const QChar first = item.at(0);
                const auto beginningAlike = items.filter(
                    QRegularExpression("^" + QRegularExpression::escape(QString(first)),
                                       QRegularExpression::CaseInsensitiveOption));
                grid->setFocus();
                grid->setCurrentIndex(driver.Cell(0, column));
                Type(grid, first.toLower());
                ASSERT_NE(driver.OpenEditor(), nullptr);
                driver.Press(Qt::Key_Return);
                const QString stored = driver.Text(0, column);
                EXPECT_TRUE(beginningAlike.contains(stored)) << stored.toStdString();
                if (beginningAlike.size() == 1) {
                    EXPECT_EQ(stored, item);
                }
            }
        }
        CloseWindow();
    }
}

// At start, after a language switch, an Open and a read the keys go to the grid's current
// cell, not to the tool bar that comes first in the tab order.
TEST_F(GridKeysTest, TheGridHasTheKeysAfterStartLanguageOpenAndRead) {
    OpenWindowIn(1);
    EXPECT_EQ(QApplication::focusWidget(), grid) << "at start";
    EXPECT_TRUE(grid->currentIndex().isValid());

    auto* toolButton = window->findChild<QToolButton*>();
    ASSERT_NE(toolButton, nullptr);
    const std::string project = folder.File("p.Vkf");
    for (const Language& language : kLanguages) {
        toolButton->setFocus();
        Action(language.action)->trigger();
        EXPECT_EQ(QApplication::focusWidget(), grid) << language.action;
    }
    modals.QueueFileName(QString::fromStdString(project));
    Action("MenuFile_SaveAs")->trigger();
    toolButton->setFocus();
    modals.QueueFileName(QString::fromStdString(project));
    Action("MenuFile_Open")->trigger();
    EXPECT_EQ(QApplication::focusWidget(), grid) << "after Open";
    toolButton->setFocus();
    emit context.events.projectReplaced(ProjectReplacement::RadioRead);
    EXPECT_EQ(QApplication::focusWidget(), grid) << "after a read";
    QTest::keyClick(grid, '4');
    EXPECT_NE(driver.OpenEditor(), nullptr) << "the first key reaches the current cell";
    EXPECT_TRUE(modals.AllAnswersUsed());
}

// Shift+Down picks channels as Shift-clicks on the row headers do: Ctrl+C copies all of them.
TEST_F(GridKeysTest, ShiftWithTheArrowsPicksChannelsThatCtrlCCopies) {
    OpenWindowIn(0);
    StartThreeChannels();
    grid->selectionModel()->select(
        QItemSelection(driver.Cell(0, 0), driver.Cell(2, grid->model()->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Action("MenuEdit_Copy")->trigger();
    const QString threeRows = QGuiApplication::clipboard()->text();
    ASSERT_TRUE(threeRows.contains("443.00000"));

    QGuiApplication::clipboard()->clear();
    grid->setFocus();
    grid->setCurrentIndex(driver.Cell(0, kColTxFreq));
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), threeRows);
}

// The "Nonstandard value" tip marks one tone as just entered: a key that moves on, an undo
// that takes the tone back, a pasted channel and another project each leave it unshown.
TEST_F(GridKeysTest, TheNonstandardTipGoesWhenItsCellOrTheProjectChanges) {
    OpenWindowIn(0);
    StartThreeChannels();
    QLabel* tip = Child<QLabel>("sTiShi_0");
    ASSERT_NE(tip, nullptr);
    const auto enterNonstandardTone = [&] {
        grid->setFocus();
        driver.Enter(0, kColTxTone, "69.0");
        ASSERT_TRUE(tip->isVisible());
    };

    enterNonstandardTone();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_FALSE(tip->isVisible()) << "moved on by a key";

    enterNonstandardTone();
    Action("MenuEdit_Undo")->trigger();
    EXPECT_FALSE(tip->isVisible()) << "undone";

    enterNonstandardTone();
    QGuiApplication::clipboard()->setText("441\n");
    grid->selectionModel()->clearSelection();
    grid->setCurrentIndex(driver.Cell(0, 0));
    Action("MenuEdit_Paste")->trigger();
    EXPECT_FALSE(tip->isVisible()) << "pasted over";

    enterNonstandardTone();
    modals.QueueAnswer(ModalAnswer::No);  // no saving of the edits
    modals.QueueAnswer(ModalAnswer::Ok);  // clear all data
    Action("MenuFile_New")->trigger();
    EXPECT_FALSE(tip->isVisible()) << "a new project";
    EXPECT_TRUE(modals.AllAnswersUsed());
}

// Qt's warnings about editors the grid no longer has: each is an edit that went astray.
class EditorWarnings {
  public:
    EditorWarnings() { previous_ = qInstallMessageHandler(&EditorWarnings::Handle); }
    ~EditorWarnings() { qInstallMessageHandler(previous_); }
    EditorWarnings(const EditorWarnings&) = delete;
    EditorWarnings& operator=(const EditorWarnings&) = delete;
    static QStringList& Seen() {
        static QStringList seen;
        return seen;
    }

  private:
    static void Handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg &&
            (text.contains("does not belong to this view") || text.contains("editing failed"))) {
            Seen() << text;
        }
    }
    QtMessageHandler previous_ = nullptr;
};

// Enter ends an edit through the event queue. A command or a redraw that comes first closes
// the editor its own way; the late request must then store nothing and close nothing.
TEST_F(GridKeysTest, AnEditOvertakenByACommandOrARedrawLeavesNothingBehind) {
    OpenWindowIn(0);
    StartThreeChannels();
    EditorWarnings warnings;
    EditorWarnings::Seen().clear();

    // A language switch stores the edit first, once, then redraws.
    driver.TypeInto(0, kColRxFreq, "445");
    QTest::keyClick(driver.OpenEditor(), Qt::Key_Return);
    Action("MenuLanguage_Chs")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(driver.Text(0, kColRxFreq), "445.00000");

    // Undo first stores the edit as a step of its own, then takes it back.
    Action("MenuLanguage_En")->trigger();
    driver.TypeInto(1, kColRxFreq, "446");
    QTest::keyClick(driver.OpenEditor(), Qt::Key_Return);
    Action("MenuEdit_Undo")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(driver.Text(1, kColRxFreq), "442.00000");

    EXPECT_TRUE(EditorWarnings::Seen().isEmpty()) << EditorWarnings::Seen().join('|').toStdString();
}

// The current column's caption is drawn bold: every column wide enough for its caption holds
// it bold too, in every language.
TEST_F(GridKeysTest, EveryCaptionFitsItsColumnWhenDrawnBold) {
    OpenWindowIn(0);
    QHeaderView* header = grid->horizontalHeader();
    for (const Language& language : kLanguages) {
        Action(language.action)->trigger();
        for (int column = 0; column < header->count(); ++column) {
            const QString caption = grid->model()->headerData(column, Qt::Horizontal).toString();
            grid->setCurrentIndex(driver.Cell(0, column));
            EXPECT_GE(grid->columnWidth(column), header->sectionSizeHint(column))
                << language.action << " " << caption.toStdString();
        }
    }
}

}  // namespace
}  // namespace radioprog::ui
