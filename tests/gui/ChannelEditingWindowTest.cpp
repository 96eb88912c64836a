// Channel editing in the main window: the commands sit in the File and Edit menus in the
// window's language, Open, New and a band change start a fresh history, and a radio read is
// one step to undo.

#include <gtest/gtest.h>

#include <QFont>
#include <QHeaderView>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "appdata/AppData.h"
#include "channellist/ChannelColumns.h"
#include "model/ProjectFile.h"
#include "support/ImportDialogDriver.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

using Bytes = std::vector<uint8_t>;

class ChannelEditingWindowTest : public testing::MainWindowFixture {
  protected:
    void OpenEnglishWindow(const std::string& device = "/dev/null") {
        WriteConfig("[config]\nLanguage=0\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + device +
                    "\n");
        OpenWindow();
        grid = Child<QTableView>("StringGrid1");
        ASSERT_NE(grid, nullptr);
    }
    Bytes Image() const { return {data.image.Raw().begin(), data.image.Raw().end()}; }
    QAction* Action(const char* name) { return Child<QAction>(name); }
    bool CanUndo() { return Action("MenuEdit_Undo")->isEnabled(); }

    // Pastes one channel with this receive frequency onto channel n: one undo step.
    void PasteChannel(int n, const QString& rx) {
        QGuiApplication::clipboard()->setText(rx + "\n");
        grid->selectionModel()->clearSelection();
        grid->setCurrentIndex(grid->model()->index(n - 1, 0));
        Action("MenuEdit_Paste")->trigger();
    }
    void SelectChannels(int first, int last) {
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(first - 1, 0),
                           grid->model()->index(last - 1, grid->model()->columnCount() - 1)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QTableView* grid = nullptr;
};

TEST_F(ChannelEditingWindowTest, CommandsSitInTheMenusInTheWindowsLanguage) {
    OpenEnglishWindow();
    const QList<QAction*> file = Child<QMenu>("MenuFile")->actions();
    const QList<QAction*> edit = Child<QMenu>("MenuEdit")->actions();
    EXPECT_TRUE(file.contains(Action("MenuFile_ImportChannels")));
    EXPECT_TRUE(file.contains(Action("MenuFile_ExportChannels")));
    EXPECT_EQ(file.last(), Action("MenuFile_Exit"));
    for (const char* name :
         {"MenuEdit_Undo", "MenuEdit_Redo", "MenuEdit_Cut", "MenuEdit_Copy", "MenuEdit_Paste",
          "MenuEdit_ClearChannels", "MenuEdit_MoveUp", "MenuEdit_MoveDown"}) {
        EXPECT_TRUE(edit.contains(Action(name))) << name;
    }
    EXPECT_EQ(Action("MenuFile_ImportChannels")->text(), "&Import channels...");
    Action("MenuLanguage_Chs")->trigger();
    EXPECT_EQ(Action("MenuFile_ImportChannels")->text(), "导入信道(&I)...");
    EXPECT_EQ(Action("MenuEdit_Undo")->text(), "撤销(&U)");
    Action("MenuLanguage_Cht")->trigger();
    EXPECT_EQ(Action("MenuEdit_Paste")->text(), "貼上(&S)");
}

TEST_F(ChannelEditingWindowTest, OpenAndNewStartAFreshHistoryAndAReadIsOneStepToUndo) {
    testing::Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());
    OpenEnglishWindow(sim.Device());
    EXPECT_FALSE(CanUndo()) << "nothing to undo at start";

    PasteChannel(1, "430");
    ASSERT_TRUE(CanUndo());
    modals.QueueAnswer(ModalAnswer::No);  // not saved first
    modals.QueueAnswer(ModalAnswer::Cancel);
    Action("MenuFile_New")->trigger();
    EXPECT_TRUE(CanUndo()) << "New answered Cancel changes nothing";
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueAnswer(ModalAnswer::Ok);
    Action("MenuFile_New")->trigger();
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(Action("MenuEdit_Redo")->isEnabled());

    PasteChannel(2, "431");
    const std::string project = folder.File("two.Vkf");
    ASSERT_TRUE(SaveProject(project, data.image, data.band));
    PasteChannel(3, "432");
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName(QString::fromStdString(project));
    Action("MenuFile_Open")->trigger();
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(data.image.IsChannelValid(3));

    PasteChannel(4, "433");
    ASSERT_TRUE(CanUndo());
    data.band = {136000000, 174000000};  // a band the radio does not have
    const Bytes beforeRead = Image();
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
    });
    Action("MenuEdit_Read")->trigger();
    ASSERT_EQ(modals.Log().last(), "SUCCESS");
    const Bytes read = Image();
    const BandLimits readBand = data.band;
    ASSERT_NE(read, beforeRead);
    ASSERT_NE(readBand, (BandLimits{136000000, 174000000}));
    ASSERT_TRUE(CanUndo()) << "the read can be undone";
    EXPECT_EQ(Action("MenuEdit_Undo")->text(), "&Undo read from radio");

    Action("MenuEdit_Undo")->trigger();
    EXPECT_EQ(Image(), beforeRead) << "the exact bytes before the read";
    EXPECT_EQ(data.band, (BandLimits{136000000, 174000000}));
    EXPECT_EQ(Action("MenuEdit_Undo")->text(), "&Undo");
    Action("MenuEdit_Redo")->trigger();
    EXPECT_EQ(Image(), read);
    EXPECT_EQ(data.band, readBand);
    Action("MenuLanguage_Chs")->trigger();
    EXPECT_EQ(Action("MenuEdit_Undo")->text(), "撤销读取(&U)");
}

// A band change clears all data behind its access code: the old band's channels must not
// come back under the new band.
TEST_F(ChannelEditingWindowTest, ABandChangeStartsAFreshHistory) {
    OpenEnglishWindow();
    PasteChannel(1, "430");
    ASSERT_TRUE(CanUndo());
    // What the band dialog does once its code and its question are answered.
    data.band = {136000000, 174000000};
    ResetProjectToDefaults(data);
    const Bytes cleared = Image();
    emit context.events.projectReplaced(ProjectReplacement::BandChange);
    EXPECT_FALSE(CanUndo());
    Action("MenuEdit_Undo")->trigger();
    EXPECT_EQ(Image(), cleared);
    EXPECT_EQ(data.band, (BandLimits{136000000, 174000000}));
}

// Name, scan, DTMF and squelch mode travel in copies and lists; from the View menu the grid
// shows them too, edited with the lists' words and rules through the same history, and the
// choice is kept for the next start.
TEST_F(ChannelEditingWindowTest, EveryChannelFieldCanBeShownEditedAndUndone) {
    OpenEnglishWindow();
    QAbstractItemModel* model = grid->model();
    for (int column = 7; column < 11; ++column) {
        EXPECT_TRUE(grid->isColumnHidden(column)) << "the grid looks as usual by default";
    }
    Action("MenuView_AllChannelFields")->trigger();
    QStringList captions;
    for (int column = 7; column < 11; ++column) {
        EXPECT_FALSE(grid->isColumnHidden(column));
        captions << model->headerData(column, Qt::Horizontal).toString();
    }
    // What the radio does not hold says so, in the caption, its tip and its cells' look.
    EXPECT_EQ(captions, QStringList({"Name (file only)", "SCN", "DTMF (file only)",
                                     "Squelch Mode (file only)"}));
    for (const int column : {7, 9, 10}) {
        EXPECT_TRUE(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole)
                        .toString()
                        .startsWith("Kept in the project file only"));
        EXPECT_TRUE(
            model->headerData(column, Qt::Horizontal, Qt::FontRole).value<QFont>().italic());
    }
    // Whole, in every language: a cut caption would hide the very words that warn.
    for (const char* language : {"MenuLanguage_En", "MenuLanguage_Chs", "MenuLanguage_Cht"}) {
        Action(language)->trigger();
        for (int column = 7; column < 11; ++column) {
            EXPECT_GE(grid->columnWidth(column), grid->horizontalHeader()->sectionSizeHint(column))
                << language << " " << column;
        }
    }
    Action("MenuLanguage_En")->trigger();
    for (const int column : {0, 6, 8}) {
        EXPECT_TRUE(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).isNull());
        EXPECT_TRUE(model->data(model->index(0, column), Qt::FontRole).isNull());
    }

    PasteChannel(1, "430");
    const Bytes pasted = Image();
    ASSERT_TRUE(model->setData(model->index(0, 7), "GATE 1"));
    ASSERT_TRUE(model->setData(model->index(0, 8), 0));   // DEL
    ASSERT_TRUE(model->setData(model->index(0, 10), 4));  // DTMF or CTC/DCS
    EXPECT_EQ(data.image.Text(ChannelNameField(1)), "GATE 1");
    EXPECT_FALSE(data.image.Channel(1).ScanAdd());
    EXPECT_EQ(data.image.Channel(1).SquelchMode(), 4);
    EXPECT_EQ(model->index(0, 8).data().toString(), "DEL");
    EXPECT_EQ(model->index(0, 10).data().toString(), "DTMF or CTC/DCS");

    const Bytes named = Image();
    EXPECT_FALSE(model->setData(model->index(0, 7), "GATEWAY"));
    EXPECT_EQ(Image(), named) << "a name the radio cannot hold is refused";
    auto* notice = testing::Find<QLabel>(window.get(), "sValueNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains("\"GATEWAY\" is longer than the 6 bytes a name holds"))
        << notice->text().toStdString();

    // Busy inhibit's CAT is carrier, and the cell says so.
    ASSERT_TRUE(model->setData(model->index(0, 6), 1));
    EXPECT_EQ(model->index(0, 6).data(Qt::ToolTipRole).toString(),
              "CAT: carrier. The channel counts as busy while a carrier is heard");

    for (int step = 0; step < 4; ++step) {
        Action("MenuEdit_Undo")->trigger();
    }
    EXPECT_EQ(Image(), pasted) << "every field edit was one step";

    CloseWindow();
    OpenWindow();
    grid = Child<QTableView>("StringGrid1");
    EXPECT_FALSE(grid->isColumnHidden(7)) << "the choice is kept";
    EXPECT_TRUE(Action("MenuView_AllChannelFields")->isChecked());
}

// A new user's afternoon: export the channels, edit the list, import it, undo the import,
// copy three channels into another project and move one of them to the top.
TEST_F(ChannelEditingWindowTest, ListsRoundTripAndChannelsTravelBetweenProjects) {
    OpenEnglishWindow();
    for (int n = 1; n <= 3; ++n) {
        PasteChannel(n, QString::number(440 + n));
    }
    const QString list = QString::fromStdString(folder.File("channels.csv"));
    modals.QueueFileName(list);
    Action("MenuFile_ExportChannels")->trigger();
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray csv = file.readAll();
    file.close();
    csv.replace("\r\n2,442.00000,442.00000,", "\r\n2,446.5,442.00000,");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(csv);
    file.close();

    const Bytes beforeImport = Image();
    modals.QueueFileName(list);
    modals.QueueDialogHandler([](QDialog& dialog) { testing::ClickImport(dialog); });
    Action("MenuFile_ImportChannels")->trigger();
    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_EQ(data.image.Channel(2).RxFreq(), 446500000u);
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), "446.50000");
    Action("MenuEdit_Undo")->trigger();
    EXPECT_EQ(Image(), beforeImport);

    SelectChannels(1, 3);
    Action("MenuEdit_Copy")->trigger();
    const std::string other = folder.File("other.Vkf");
    ProjectImage empty;
    empty.ResetToDefaults();
    ASSERT_TRUE(SaveProject(other, empty, data.band));
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName(QString::fromStdString(other));
    Action("MenuFile_Open")->trigger();
    PasteChannel(10, QGuiApplication::clipboard()->text().trimmed());  // onto 10 to 12
    grid->setCurrentIndex(grid->model()->index(11, 0));
    for (int k = 0; k < 11; ++k) {
        Action("MenuEdit_MoveUp")->trigger();
    }
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), "443.00000");
    EXPECT_EQ(grid->model()->index(10, 0).data().toString(), "441.00000");
    EXPECT_EQ(grid->model()->index(11, 0).data().toString(), "442.00000");
    EXPECT_TRUE(modals.AllAnswersUsed());
}

// In the window as a user has it: Ctrl+Z in an open frequency editor belongs to the editor,
// and the step made before (a pasted channel) stays.
TEST_F(ChannelEditingWindowTest, CtrlZInAnOpenEditorLeavesTheWindowsHistoryAlone) {
    OpenEnglishWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    PasteChannel(2, "438.50000");
    ASSERT_TRUE(CanUndo());
    const std::vector<uint8_t> pasted(data.image.Raw().begin(), data.image.Raw().end());
    grid->setFocus();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 0),
                                            QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* edit = grid->viewport()->findChild<QLineEdit*>("Edit_ChFreq");
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), "438.50000");
    EXPECT_EQ(std::vector<uint8_t>(data.image.Raw().begin(), data.image.Raw().end()), pasted);
    EXPECT_TRUE(CanUndo());
}

}  // namespace
}  // namespace radioprog::ui
