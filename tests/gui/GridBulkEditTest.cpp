// Setting a field of several channels at once, from the keyboard: fill down, the offer to
// give a value set in one selected channel to the others, and transmit frequencies from the
// receive ones with a duplex offset. Each is one undo step, and a refused one changes nothing.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>

#include "mainwindow/ui/ChannelTableModel.h"
#include "support/GridDriver.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

class GridBulkEditTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        WriteConfig("[config]\nLanguage=0\n[View]\nAllChannelFields=1\n");
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid = Child<QTableView>("StringGrid1");
        driver = testing::GridDriver(grid);
        // Channels 1 to 4 on 441 to 444 MHz, as new channels are: high power, no tones.
        for (int row = 0; row < 4; ++row) {
            driver.Enter(row, kColRxFreq, QString::number(441 + row));
        }
    }
    // The cell becomes the current one, then Shift+Down picks the channels below it.
    void SelectDown(int row, int column, int more) {
        grid->setFocus();
        grid->clearSelection();
        grid->setCurrentIndex(driver.Cell(row, column));
        for (int k = 0; k < more; ++k) {
            QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        }
        LetGoOfShift();
    }
    QStringList Column(int column, int rows = 4) const {
        QStringList texts;
        for (int row = 0; row < rows; ++row) {
            texts << driver.Text(row, column);
        }
        return texts;
    }
    // The application keeps the modifiers of the last key event it saw: the grid must not take
    // the next plain move for one with Shift still down.
    void LetGoOfShift() { QTest::keyRelease(grid, Qt::Key_Shift); }
    void Undo() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    }

    // The boxes shown, without the dialogs the story drove itself.
    QStringList Boxes() const {
        QStringList boxes = modals.Log();
        boxes.removeIf([](const QString& line) { return line.startsWith("dialog: "); });
        return boxes;
    }

    QTableView* grid = nullptr;
    testing::GridDriver driver{nullptr};
};

// Ctrl+D: each selected column takes its first selected channel's value, every column of the
// selection at once; one Ctrl+Z takes all of it back.
TEST_F(GridBulkEditTest, FillDownCopiesTheFirstSelectedCellsIntoTheRestAsOneStep) {
    driver.Enter(1, kColTxTone, "88.5");
    grid->setFocus();
    grid->setCurrentIndex(driver.Cell(1, kColPower));
    QTest::keyClick(grid, Qt::Key_L);
    driver.Press(Qt::Key_Return);
    // Channels 2 to 4, the encode tone and power columns.
    SelectDown(1, kColTxTone, 2);
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    LetGoOfShift();
    QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);

    EXPECT_EQ(Column(kColTxTone), QStringList({"Off", "88.5", "88.5", "88.5"}));
    EXPECT_EQ(Column(kColPower), QStringList({"High", "Low", "Low", "Low"}));
    EXPECT_EQ(Column(kColRxTone), QStringList({"Off", "Off", "Off", "Off"}));
    Undo();
    EXPECT_EQ(Column(kColTxTone), QStringList({"Off", "88.5", "Off", "Off"}));
    EXPECT_EQ(Column(kColPower), QStringList({"High", "Low", "High", "High"}));
    EXPECT_TRUE(modals.Log().isEmpty()) << modals.Log().join('|').toStdString();
}

// From an unused channel there is nothing to fill: its empty receive frequency would clear
// the channels below it. The user is told and nothing changes.
TEST_F(GridBulkEditTest, FillDownFromAnUnusedChannelIsRefused) {
    driver.Enter(5, kColRxFreq, "446");
    driver.Enter(6, kColRxFreq, "447");
    SelectDown(4, kColRxFreq, 2);  // channel 5, unused, then 6 and 7
    QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Column(kColRxFreq, 7), QStringList({"441.00000", "442.00000", "443.00000",
                                                  "444.00000", "", "446.00000", "447.00000"}));
    ASSERT_EQ(modals.Log().size(), 1);
    EXPECT_TRUE(modals.Log().front().contains("not in use")) << modals.Log().front().toStdString();
}

// A power set in one of the selected channels is offered to the others; accepted, all take it
// as one step; declined, only the one channel has it.
TEST_F(GridBulkEditTest, AValueSetInOneSelectedChannelIsOfferedToTheOthers) {
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept ? "applied" : "declined");
        SelectDown(0, kColPower, 2);
        modals.QueueAnswer(accept ? ModalAnswer::Ok : ModalAnswer::Cancel);
        QTest::keyClick(grid, Qt::Key_L);  // on channel 3, the current cell
        driver.Press(Qt::Key_Return);
        ASSERT_TRUE(testing::WaitFor([&] { return modals.AllAnswersUsed(); }, 5000));
        QApplication::processEvents();
        ASSERT_EQ(modals.Log().size(), 1);
        EXPECT_EQ(modals.Log().front(), "Apply to the 3 selected channels?");
        EXPECT_EQ(Column(kColPower), accept ? QStringList({"Low", "Low", "Low", "High"})
                                            : QStringList({"High", "High", "Low", "High"}));
        Undo();
        EXPECT_EQ(Column(kColPower), QStringList({"High", "High", "High", "High"}));
        modals.ClearLog();
    }
    // A single channel, or a field that differs from channel to channel, asks nothing.
    SelectDown(0, kColPower, 0);
    QTest::keyClick(grid, Qt::Key_L);
    driver.Press(Qt::Key_Return);
    SelectDown(0, kColName, 2);
    QTest::keyClick(grid, Qt::Key_W);
    driver.Press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(modals.Log().isEmpty()) << modals.Log().join('|').toStdString();
}

// The duplex offset: typed as a sign and megahertz; transmit frequencies follow, or, when one
// would leave the band, none changes and the message names the channel.
TEST_F(GridBulkEditTest, ADuplexOffsetSetsTransmitFromReceiveOrRefusesWhole) {
    const auto offset = [this](const QString& typed) {
        modals.QueueDialogHandler([typed](QDialog& dialog) {
            auto* field = testing::Find<QLineEdit>(&dialog, "eDuplexOffset");
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(dialog.focusWidget(), field);  // typing starts in the field
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        Child<QAction>("MenuEdit_DuplexOffset")->trigger();
        EXPECT_TRUE(modals.AllAnswersUsed());
    };
    SelectDown(0, kColRxFreq, 2);
    offset("-5");
    EXPECT_EQ(Column(kColTxFreq),
              QStringList({"436.00000", "437.00000", "438.00000", "444.00000"}));
    EXPECT_TRUE(Boxes().isEmpty()) << Boxes().join('|').toStdString();

    offset("+38.5");  // 442 + 38.5 is past 480
    EXPECT_EQ(Column(kColTxFreq),
              QStringList({"436.00000", "437.00000", "438.00000", "444.00000"}));
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_EQ(Boxes().front(),
              "CH-2: TX 480.50000 MHz is outside the band 400.00000-480.00000 MHz. No channel "
              "was changed.");
    modals.ClearLog();

    offset("5");  // no direction
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_TRUE(Boxes().front().startsWith("\"5\" is not an offset"));

    Undo();
    EXPECT_EQ(Column(kColTxFreq),
              QStringList({"441.00000", "442.00000", "443.00000", "444.00000"}));
}

}  // namespace
}  // namespace radioprog::ui
