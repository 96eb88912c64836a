// Editing channels as in a spreadsheet, on the real grid: whole channels copied and pasted
// (also to and from spreadsheet text), cleared, moved and read from channel lists, and every
// change undone and redone to the exact bytes.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "channellist/ChannelColumns.h"
#include "channellist/ChannelCsv.h"
#include "lang/TextCodec.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "model/ToneCodec.h"
#include "support/ImportDialogDriver.h"
#include "support/PageHarness.h"

namespace radioprog::ui {
namespace {

using testing::Find;
using Bytes = std::vector<uint8_t>;

constexpr int kColumns = 7;

class ChannelEditingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Channels 2 to 4 in use, each different in every field, 3 with a Chinese name.
        ProjectImage& image = harness.data.image;
        for (int n = 2; n <= 4; ++n) {
            ChannelRecord ch = image.Channel(n);
            ch.InitialiseNew(430000000 + 12500 * static_cast<uint32_t>(n));
            ch.SetRxTone(kToneCtcss, static_cast<uint16_t>(670 + 100 * n));
            ch.SetTxTone(kToneDcsInverted, 0x2813);
            ch.SetHighPower(n != 3);
            ch.SetBusyFit(n == 4 ? 2 : 0);
            ch.SetSquelchMode(static_cast<uint8_t>(n));
            image.SetChannelValid(n, true);
        }
        image.SetText(ChannelNameField(3), *EncodeCodePage("中继", CodePage::Gbk));
        harness.Build();
        grid = Find<QTableView>(harness.page.get(), "StringGrid1");
        ASSERT_NE(grid, nullptr);
        ChannelPage* page = harness.page.get();
        editing =
            new ChannelEditing(harness.context, page, *page, [page] { page->RefreshFromModel(); });
        grid->setFocus();
        ASSERT_TRUE(testing::WaitFor([this] { return grid->hasFocus(); }));
    }
    void TearDown() override { testing::CloseStrayWindows(); }

    Bytes Image() const {
        return {harness.data.image.Raw().begin(), harness.data.image.Raw().end()};
    }
    QModelIndex Cell(int row, int column) const { return grid->model()->index(row, column); }
    QStringList RowTexts(int row) const {
        QStringList texts;
        for (int column = 0; column < kColumns; ++column) {
            texts << Cell(row, column).data().toString();
        }
        return texts;
    }

    // Clicks the row header of a row, with Shift or Ctrl as a person extends a selection.
    void ClickRowHeader(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* header = grid->verticalHeader();
        const QPoint at(header->width() / 2,
                        header->sectionViewportPosition(row) + header->sectionSize(row) / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(grid, static_cast<Qt::Key>(key), modifiers);
    }
    void PutOnTheCurrentCell(int row) {
        grid->selectionModel()->clearSelection();
        grid->setCurrentIndex(Cell(row, 0));
    }

    testing::PageHarness<ChannelPage> harness;
    QTableView* grid = nullptr;
    ChannelEditing* editing = nullptr;
};

TEST_F(ChannelEditingTest, ChannelsCopiedFromTheGridPasteBackIdentically) {
    ClickRowHeader(1);
    ClickRowHeader(3, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);

    // The grid's texts, one line per channel, tab-separated; the name follows the grid's
    // columns.
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(lines[k].split('\t').mid(0, kColumns), RowTexts(1 + k)) << k;
    }
    EXPECT_EQ(lines[1].split('\t').at(kColumns), "中继");

    const Bytes before = Image();
    Key(Qt::Key_V, Qt::ControlModifier);  // onto the same channels
    EXPECT_EQ(Image(), before);

    PutOnTheCurrentCell(9);
    Key(Qt::Key_V, Qt::ControlModifier);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(RowTexts(9 + k), RowTexts(1 + k)) << k;
        EXPECT_EQ(harness.data.image.Channel(10 + k).SquelchMode(), 2 + k);
    }
    EXPECT_EQ(harness.data.image.Text(ChannelNameField(11)),
              harness.data.image.Text(ChannelNameField(3)));
    EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 3) << "the pasted rows are selected";
}

TEST_F(ChannelEditingTest, SpreadsheetTextWithCrlfAndQuotedCellsPastes) {
    QGuiApplication::clipboard()->setText(
        "445.5\t\"445.5\"\t\"88.5\"\tD023N\tLow\t\"Narrow\"\tCAT\t\"A, \"\"B\"\"\"\r\n"
        "446\t446.6\tOff\tOff\tHigh\tWide\tOFF\r\n");
    PutOnTheCurrentCell(13);
    Key(Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(RowTexts(13),
              QStringList({"445.50000", "445.50000", "88.5", "D023N", "Low", "Narrow", "CAT"}));
    EXPECT_EQ(harness.data.image.Text(ChannelNameField(14)), "A, \"B\"");
    EXPECT_EQ(RowTexts(14).mid(0, 2), QStringList({"446.00000", "446.60000"}));
}

TEST_F(ChannelEditingTest, APasteOutsideTheBandIsRefusedNotClamped) {
    QGuiApplication::clipboard()->setText("430\t430\tOff\n520.00000\t430\tOff\n");
    const Bytes before = Image();
    harness.modals.QueueAnswer(ModalAnswer::Ok);
    PutOnTheCurrentCell(4);
    Key(Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(Image(), before);
    ASSERT_FALSE(harness.modals.Log().isEmpty());
    const QString message = harness.modals.Log().last();
    EXPECT_TRUE(message.contains("line 2, column 1 (RX Freq.), channel 6") &&
                message.contains(QString::fromUtf8("\"520.00000\" is outside the band "
                                                   "400.00000\u2013480.00000 MHz")))
        << message.toStdString();
}

TEST_F(ChannelEditingTest, ABadCellRejectsThePasteWithAMessageNamingIt) {
    QGuiApplication::clipboard()->setText("430\t430\tOff\n431\t431\tD999N\n");
    const Bytes before = Image();
    harness.modals.QueueAnswer(ModalAnswer::Ok);
    PutOnTheCurrentCell(0);
    Key(Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(Image(), before);
    ASSERT_FALSE(harness.modals.Log().isEmpty());
    const QString message = harness.modals.Log().last();
    EXPECT_TRUE(message.contains("line 2") && message.contains("QT/DQT Dec") &&
                message.contains("channel 2") && message.contains("D999N"))
        << message.toStdString();
    EXPECT_FALSE(editing->Actions().undo->isEnabled()) << "a refused paste is no step";
}

TEST_F(ChannelEditingTest, UndoOfAPasteAMoveAndAnImportGivesBackTheExactBytesAndRedoTheEdits) {
    QTemporaryDir folder;
    const QString list = folder.filePath("list.csv");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NO.,RX Freq.,Name\r\n16,470,ABC\r\n2,,\r\n");
    file.close();

    std::vector<Bytes> states{Image()};
    QGuiApplication::clipboard()->setText("440\t441\n");
    PutOnTheCurrentCell(0);
    Key(Qt::Key_V, Qt::ControlModifier);
    states.push_back(Image());
    Key(Qt::Key_Down, Qt::AltModifier);  // the pasted channel 1 goes down to 2
    states.push_back(Image());
    EXPECT_EQ(RowTexts(1).mid(0, 2), QStringList({"440.00000", "441.00000"}));
    harness.modals.QueueFileName(list);
    harness.modals.QueueDialogHandler([](QDialog& dialog) { testing::ClickImport(dialog); });
    editing->Actions().importChannels->trigger();
    EXPECT_TRUE(harness.modals.AllAnswersUsed()) << harness.modals.Log().join("|").toStdString();
    // The offscreen platform does not give the activation back when the dialog closes.
    harness.page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(harness.page.get()));
    states.push_back(Image());
    EXPECT_EQ(RowTexts(15).at(0), "470.00000");
    EXPECT_EQ(RowTexts(1).at(0), "");
    for (size_t k = 1; k < states.size(); ++k) {
        ASSERT_NE(states[k], states[k - 1]) << k;
    }

    for (size_t k = states.size() - 1; k > 0; --k) {
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Image(), states[k - 1]) << "undo to " << k - 1;
    }
    EXPECT_FALSE(editing->Actions().undo->isEnabled());
    EXPECT_EQ(RowTexts(0).at(0), "") << "the grid shows what was undone";
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Image(), states[1]);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Image(), states[2]);
    editing->Actions().redo->trigger();
    EXPECT_EQ(Image(), states[3]);
    EXPECT_FALSE(editing->Actions().redo->isEnabled());
    EXPECT_TRUE(harness.modals.AllAnswersUsed());
}

TEST_F(ChannelEditingTest, ACellEditAClearAndACutAreOneStepEach) {
    const Bytes start = Image();
    grid->setCurrentIndex(Cell(0, 0));
    Key(Qt::Key_4);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "35");
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_TRUE(harness.data.image.IsChannelValid(1));
    const Bytes typed = Image();

    ClickRowHeader(2);
    ClickRowHeader(3, Qt::ControlModifier);
    grid->setFocus();
    Key(Qt::Key_Delete);
    EXPECT_FALSE(harness.data.image.IsChannelValid(3) || harness.data.image.IsChannelValid(4));
    EXPECT_TRUE(harness.data.image.IsChannelValid(2));
    EXPECT_EQ(RowTexts(2), QStringList(kColumns, QString()));

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Image(), typed);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Image(), start);

    ClickRowHeader(1);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(harness.data.image.IsChannelValid(2));
    PutOnTheCurrentCell(7);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(RowTexts(7),
              QStringList({"430.02500", "430.02500", "87.0", "D023I", "High", "Wide", "OFF"}));
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Image(), start) << "cut and paste undo in two steps";
}

TEST_F(ChannelEditingTest, MovesCarryWholeRecordsAndTheSelection) {
    const Bytes start = Image();
    ClickRowHeader(2);  // channel 3, with the Chinese name
    for (int k = 0; k < 3; ++k) {
        Key(Qt::Key_Up, Qt::AltModifier);
    }
    EXPECT_EQ(harness.data.image.Text(ChannelNameField(1)), *EncodeCodePage("中继", CodePage::Gbk));
    EXPECT_EQ(harness.data.image.Channel(1).SquelchMode(), 3);
    EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(0));
    const Bytes atTop = Image();
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Image(), atTop) << "nothing moves past the first channel";

    EXPECT_TRUE(grid->actions().contains(editing->Actions().moveDown)) << "context menu";
    editing->Actions().moveDown->trigger();
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Image(), start);
}

TEST_F(ChannelEditingTest, AnOpenEditorKeepsItsOwnKeys) {
    ClickRowHeader(3);
    Key(Qt::Key_Delete);  // a step to undo
    const Bytes cleared = Image();
    grid->setCurrentIndex(Cell(1, 0));
    Key(Qt::Key_1);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->objectName(), "Edit_ChFreq");
    QTest::keyClicks(edit, "46");
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Delete);  // the editor's Delete, not the channel's
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Image(), cleared) << "keys typed into an editor change no channel";
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->text().startsWith("14")) << edit->text().toStdString();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(harness.data.image.Channel(2).RxFreq(), 400000000u);  // clamped to the band
    EXPECT_EQ(grid->currentIndex(), Cell(1, 1)) << "Tab went on to the next cell";
}

TEST_F(ChannelEditingTest, ExportedListsReadBackAndABadOneSaysWhere) {
    QTemporaryDir folder;
    const QString path = folder.filePath("channels.csv");
    harness.modals.QueueFileName(path);
    editing->Actions().exportChannels->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    file.close();
    EXPECT_EQ(csv.toStdString(), ExportChannelsCsv(harness.data.image));

    QByteArray edited = csv;
    edited.replace("\r\n3,430.03750,", "\r\n3,430.0376x,");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(edited);
    file.close();
    const Bytes before = Image();
    // The import dialog leaves the row unticked and says where and why; Cancel keeps all.
    harness.modals.QueueFileName(path);
    harness.modals.QueueDialogHandler([](QDialog& dialog) {
        auto* rows = testing::Find<QTableWidget>(&dialog, "ImportRows");
        EXPECT_EQ(rows->item(2, 0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(rows->item(1, 0)->checkState(), Qt::Checked);
        EXPECT_TRUE(rows->item(2, 3)->toolTip().contains("line 4, column 2 (RX Freq.)"))
            << rows->item(2, 3)->toolTip().toStdString();
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
    });
    editing->Actions().importChannels->trigger();
    EXPECT_EQ(Image(), before);
    EXPECT_TRUE(harness.modals.AllAnswersUsed());
}

}  // namespace
}  // namespace radioprog::ui
