// A frequency the grid stored otherwise than typed does not reach a radio unseen: its cell
// stays marked until it is typed again or accepted, and a write first lists such values and
// asks; written anyway, they are accepted and not asked about again.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTableView>

#include "support/GridDriver.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

class MovedValuesWriteTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        WriteConfig("[config]\nLanguage=0\n");
        OpenWindow();
        view = Child<QTableView>("StringGrid1");
        grid = testing::GridDriver(view);
    }
    bool Marked(int row, int column) const {
        const QModelIndex cell = view->model()->index(row, column);
        return cell.data(Qt::BackgroundRole) !=
               view->model()->index(row, column + 2).data(Qt::BackgroundRole);
    }
    QString Tip(int row, int column) const {
        return view->model()->index(row, column).data(Qt::ToolTipRole).toString();
    }
    // Answers the question (when one comes) and cancels the programming window.
    QStringList Write(std::optional<ModalAnswer> answer) {
        modals.ClearLog();
        if (answer) {
            modals.QueueAnswer(*answer);
        }
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(testing::Find<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
        });
        Child<QAction>("MenuEdit_Write")->trigger();
        return modals.Log();
    }

    QTableView* view = nullptr;
    testing::GridDriver grid{nullptr};
};

QString Question(const QString& lines) {
    return "These frequencies were not stored as typed and go to the radio as stored:\n\n" + lines +
           "\n\nWrite anyway?";
}

TEST_F(MovedValuesWriteTest, MovedValuesStayMarkedAndAWriteNamesThemFirst) {
    grid.Enter(0, testing::kRx, "500");
    grid.Enter(1, testing::kRx, "438.5");
    grid.Enter(1, testing::kTx, "462.6789");
    EXPECT_TRUE(Marked(0, testing::kRx));
    EXPECT_FALSE(Marked(0, testing::kTx)) << "the transmit side follows; it was not typed";
    EXPECT_FALSE(Marked(1, testing::kRx));
    EXPECT_TRUE(Marked(1, testing::kTx));
    EXPECT_EQ(Tip(0, testing::kRx), "500 is outside 400.00000-480.00000 MHz: stored 480.00000");
    EXPECT_EQ(Tip(1, testing::kTx), "462.6789 is not on the channel raster: stored 462.67500");

    const QString both = Question(
        "CH-01 RX Freq.: typed 500, stored 480.00000\n"
        "CH-02 TX Freq.: typed 462.6789, stored 462.67500");
    modals.QueueAnswer(ModalAnswer::Cancel);
    modals.ClearLog();
    Child<QAction>("MenuEdit_Write")->trigger();
    EXPECT_EQ(modals.Log(), QStringList({both})) << "Cancel: no programming window";
    EXPECT_TRUE(modals.AllAnswersUsed());

    grid.Enter(1, testing::kTx, "462.675");  // typed again, stored as typed
    EXPECT_FALSE(Marked(1, testing::kTx));
    const QString one = Question("CH-01 RX Freq.: typed 500, stored 480.00000");
    EXPECT_EQ(Write(ModalAnswer::Ok), QStringList({one, "dialog: TProgramDialog"}));
    EXPECT_FALSE(Marked(0, testing::kRx)) << "written anyway: accepted";
    EXPECT_EQ(Write(std::nullopt), QStringList({"dialog: TProgramDialog"}));

    grid.Enter(2, testing::kRx, "390");
    ASSERT_TRUE(Marked(2, testing::kRx));
    modals.QueueAnswer(ModalAnswer::Ok);
    Child<QAction>("MenuFile_New")->trigger();  // a new project: no mark of the old one
    grid.Enter(2, testing::kRx, "400");
    EXPECT_EQ(Write(std::nullopt), QStringList({"dialog: TProgramDialog"}));
}

}  // namespace
}  // namespace radioprog::ui
