// The bench window against simulated radios on pseudo-terminals: Start all writes every radio
// at once with the whole safety net and each row shows its own result; a silent radio fails
// alone; Stop all frees every port; Automatic writes each radio once per connection; cables
// come and go without a restart.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "lang/LanguageSetting.h"
#include "port/PosixSerialPort.h"
#include "programminglog/ProgrammingLog.h"
#include "radiobench/ui/BenchWindow.h"
#include "support/GuiContextFixture.h"
#include "support/GuiTestSupport.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

using testing::Find;
using testing::Radiosim;
using testing::WaitFor;

class BenchWindowTest : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    void SetUp() override {
        ApplyLanguageSetting(data.lang, kLanguageSettingEnglish);
        data.config.historyFolder = folder.File("history");
        data.config.backupBeforeWrite = true;
        data.config.verifyAfterWrite = true;
        ResetProjectToDefaults(data);
        data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
    }
    // COM1.. are the radios' devices, in order.
    void UseDevices(const std::vector<std::string>& devices) {
        data.port.source.explicitPorts.clear();
        for (size_t i = 0; i < devices.size(); ++i) {
            data.port.source.explicitPorts[static_cast<int>(i) + 1] = devices[i];
        }
    }
    void OpenWindow() {
        window = std::make_unique<BenchWindow>(context, nullptr, "bench.Vkf");
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    BenchRow* Row(int portNumber) {
        return Find<BenchRow>(window.get(),
                              QStringLiteral("BenchRow%1").arg(portNumber).toLatin1().constData());
    }
    QString Shown(int portNumber, const char* label) {
        return Find<QLabel>(Row(portNumber), label)->text();
    }
    bool AllIdle() {
        const QList<BenchRow*> rows = window->Rows();
        return std::none_of(rows.begin(), rows.end(),
                            [](const BenchRow* row) { return row->Cycle().JobRunning(); });
    }
    int LogLines() {
        std::ifstream log(ProgrammingLogPath(data.config.historyFolder));
        int lines = 0;
        for (std::string line; std::getline(log, line);) {
            ++lines;
        }
        return lines == 0 ? 0 : lines - 1;  // without the header
    }

    std::unique_ptr<BenchWindow> window;
};

TEST_F(BenchWindowTest, StartAllWritesEveryRadioAtOnceAndEachRowShowsItsOwnResult) {
    Radiosim first({"--kind", "S"});
    Radiosim silent({"--silent"});
    // Takes the first channel block without keeping it: only the read-back can tell.
    Radiosim forgetful({"--kind", "Y", "--drop-write", "0x8080"});
    Radiosim fourth({"--kind", "Y"});
    UseDevices({first.Device(), silent.Device(), forgetful.Device(), fourth.Device()});
    OpenWindow();
    ASSERT_EQ(window->Rows().size(), 4);
    EXPECT_EQ(Shown(2, "sPort"), "COM2 - " + QString::fromStdString(silent.Device()));
    EXPECT_TRUE(Find<QLabel>(window.get(), "sNoCables")->isHidden());

    // From the keyboard: Alt+S is Start all.
    // (A mnemonic presses its button the way a click looks: a moment later.)
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(WaitFor(
        [this] {
            const QList<BenchRow*> rows = window->Rows();
            return std::all_of(rows.begin(), rows.end(),
                               [](const BenchRow* row) { return row->Cycle().JobRunning(); });
        },
        3000))
        << "every row starts at once";
    EXPECT_FALSE(Find<QCheckBox>(window.get(), "VerifyAfterWrite")->isEnabled());
    ASSERT_TRUE(WaitFor([this] { return AllIdle(); }, 60000));

    for (const int good : {1, 4}) {
        SCOPED_TRACE(good);
        EXPECT_EQ(Shown(good, "sResult"), "SUCCESS");
        EXPECT_EQ(Shown(good, "sWhy"), "");
        EXPECT_EQ(Shown(good, "sCount"), "Done 1, failed 0");
        EXPECT_EQ(Find<QProgressBar>(Row(good), "ProgressBar")->value(), 100);
    }
    EXPECT_EQ(Shown(1, "sRadio"), "Radio: S");
    EXPECT_EQ(Shown(4, "sRadio"), "Radio: Y");
    EXPECT_EQ(Shown(2, "sResult"), "FAILED");
    EXPECT_TRUE(Shown(2, "sWhy").startsWith("Communication False"))
        << Shown(2, "sWhy").toStdString();
    EXPECT_EQ(Shown(2, "sRadio"), "Radio: -");
    EXPECT_EQ(Shown(2, "sCount"), "Done 0, failed 1");
    EXPECT_EQ(Shown(3, "sResult"), "FAILED");
    EXPECT_TRUE(Shown(3, "sWhy").startsWith("Verify failed")) << Shown(3, "sWhy").toStdString();
    EXPECT_EQ(Shown(3, "sRadio"), "Radio: Y");
    EXPECT_EQ(Find<QLabel>(window.get(), "sTotals")->text(), "All cables: done 2, failed 2");
    // Every write, the failed one too, has its line in the bench log.
    EXPECT_EQ(LogLines(), 4);
    for (const Radiosim* sim : {&first, &silent, &forgetful, &fourth}) {
        EXPECT_TRUE(CanOpenExclusively(sim->Device()));
    }

    // Retry is reachable from the keyboard and writes only its own row again.
    auto* retry = Find<QPushButton>(Row(1), "bRetry");
    ASSERT_TRUE(retry->isEnabled());
    EXPECT_TRUE(retry->focusPolicy() & Qt::TabFocus);
    retry->setFocus();
    QTest::keyClick(retry, Qt::Key_Space);
    EXPECT_TRUE(Row(1)->Cycle().JobRunning());
    EXPECT_FALSE(Row(2)->Cycle().JobRunning() || Row(3)->Cycle().JobRunning() ||
                 Row(4)->Cycle().JobRunning());
    ASSERT_TRUE(WaitFor([this] { return AllIdle(); }, 30000));
    EXPECT_EQ(Shown(1, "sCount"), "Done 2, failed 0");
    EXPECT_EQ(Find<QLabel>(window.get(), "sTotals")->text(), "All cables: done 3, failed 2");
    EXPECT_EQ(LogLines(), 5);
}

TEST_F(BenchWindowTest, StopAllStopsEveryWriteAtOnceAndFreesEveryPort) {
    // Each reply a little late, so every write is surely under way when Stop all comes.
    Radiosim a({"--reply-delay", "300"});
    Radiosim b({"--reply-delay", "300"});
    UseDevices({a.Device(), b.Device()});
    OpenWindow();
    QTest::mouseClick(Find<QPushButton>(window.get(), "bStartAll"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([this] {
        return Find<QProgressBar>(Row(1), "ProgressBar")->value() > 0 &&
               Find<QProgressBar>(Row(2), "ProgressBar")->value() > 0;
    }));

    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);  // Stop all
    ASSERT_TRUE(WaitFor([this] { return AllIdle(); }, 1000));

    for (const Radiosim* sim : {&a, &b}) {
        EXPECT_TRUE(CanOpenExclusively(sim->Device()));
    }
    EXPECT_TRUE(AllIdle());
    for (const int row : {1, 2}) {
        EXPECT_EQ(Shown(row, "sStage"), "Ready");
        EXPECT_EQ(Shown(row, "sResult"), "FAILED");
        EXPECT_TRUE(Shown(row, "sWhy").contains("half written"))
            << Shown(row, "sWhy").toStdString();
    }
    EXPECT_EQ(Find<QLabel>(window.get(), "sTotals")->text(), "All cables: done 0, failed 2");
    // The stopped writes are in the bench log too.
    EXPECT_EQ(LogLines(), 2);
    // Nothing starts again by itself.
    QTest::qWait(2500);
    EXPECT_TRUE(AllIdle());
    EXPECT_TRUE(CanOpenExclusively(a.Device()));

    // Closing the window in the middle of the writes stops them the same way.
    QTest::mouseClick(Find<QPushButton>(window.get(), "bStartAll"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([this] {
        return Find<QProgressBar>(Row(1), "ProgressBar")->value() > 0 &&
               Find<QProgressBar>(Row(2), "ProgressBar")->value() > 0;
    }));
    window->close();
    for (const Radiosim* sim : {&a, &b}) {
        EXPECT_TRUE(CanOpenExclusively(sim->Device()));
    }
    EXPECT_TRUE(AllIdle());
    EXPECT_EQ(LogLines(), 4);
}

TEST_F(BenchWindowTest, AutomaticWritesEachRadioOncePerConnection) {
    const std::string cable = folder.File("cable1");
    UseDevices({cable});
    data.config.backupBeforeWrite = false;
    OpenWindow();
    Find<QCheckBox>(window.get(), "cAutomatic")->setChecked(true);
    {
        Radiosim radio({"--kind", "S", "--link", cable});
        QTest::mouseClick(Find<QPushButton>(window.get(), "bStartAll"), Qt::LeftButton);
        ASSERT_TRUE(WaitFor([this] { return Shown(1, "sResult") == "SUCCESS"; }, 30000));
        EXPECT_EQ(Shown(1, "sStage"), "Written: take the radio off the cable");
        // The radio stays on the cable through several checks: it is not written again.
        QTest::qWait(6000);
        EXPECT_EQ(Shown(1, "sCount"), "Done 1, failed 0");
        EXPECT_EQ(LogLines(), 1);
        EXPECT_EQ(Row(1)->Cycle().Phase(), BenchPhase::WaitingForRemoval);
        // Its Retry is off while the row waits, yet the row itself is reached with Tab.
        EXPECT_FALSE(Find<QPushButton>(Row(1), "bRetry")->isEnabled());
        Find<QCheckBox>(window.get(), "cAutomatic")->setFocus();
        for (int tab = 0; tab < 8 && QApplication::focusWidget() != Row(1); ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(QApplication::focusWidget(), Row(1));
    }
    // Taken off: the row waits for the next radio, the last result still in view.
    ASSERT_TRUE(WaitFor([this] { return Shown(1, "sStage") == "Waiting for a radio..."; }));
    EXPECT_EQ(Shown(1, "sResult"), "SUCCESS");
    {
        Radiosim next({"--kind", "Y", "--link", cable});
        ASSERT_TRUE(WaitFor([this] { return Shown(1, "sCount") == "Done 2, failed 0"; }, 30000));
        EXPECT_EQ(Shown(1, "sRadio"), "Radio: Y");
        EXPECT_EQ(LogLines(), 2);
        QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);  // Stop all
        EXPECT_TRUE(WaitFor([this] { return Row(1)->Cycle().Phase() == BenchPhase::Idle; }, 1000));
        EXPECT_TRUE(CanOpenExclusively(cable));
    }
}

TEST_F(BenchWindowTest, CablesPluggedInOrPulledOutShowWithinTwoSeconds) {
    std::vector<std::string> present = {"/dev/radioprog-bench-a"};
    data.port.source.scanDevices = [&present] { return present; };
    OpenWindow();
    ASSERT_EQ(window->Rows().size(), 1);

    present = {"/dev/radioprog-bench-a", "/dev/radioprog-bench-b"};
    EXPECT_TRUE(WaitFor([this] { return window->Rows().size() == 2; }, 2000));
    EXPECT_EQ(Shown(2, "sPort"), "COM2 - /dev/radioprog-bench-b");

    present.clear();
    EXPECT_TRUE(WaitFor([this] { return window->Rows().empty(); }, 2000));
    EXPECT_TRUE(
        WaitFor([this] { return !Find<QLabel>(window.get(), "sNoCables")->isHidden(); }, 100));
}

// The main window's Edit menu opens the bench on the project as it stands, after the same
// questions and refusals as any write: nothing reaches a radio that a single write would not send.
class BenchMenuTest : public testing::MainWindowFixture {};

TEST_F(BenchMenuTest, TheMenuEntryOpensTheBenchOnlyForAProjectAWriteWouldSend) {
    WriteConfig("[config]\nLanguage=2\n[ports]\nCOM3=/dev/radioprog-bench-cable\n");
    OpenWindow();
    auto* entry = Child<QAction>("MenuEdit_ProgramSeveral");
    ASSERT_TRUE(Child<QMenu>("MenuEdit")->actions().contains(entry));
    EXPECT_EQ(entry->text(), QString::fromUtf8("多台同時寫頻(&V)..."));

    // A project without a channel: the question of an empty write, and Cancel keeps it home.
    modals.QueueAnswer(ModalAnswer::Cancel);
    entry->trigger();
    ASSERT_EQ(modals.Log().size(), 1);
    EXPECT_TRUE(modals.AllAnswersUsed());

    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Ok);
    QStringList rows;
    QString title;
    modals.QueueDialogHandler([&](QDialog& dialog) {
        title = dialog.windowTitle();
        for (const BenchRow* row : static_cast<BenchWindow&>(dialog).Rows()) {
            rows << Find<QLabel>(const_cast<BenchRow*>(row), "sPort")->text();
        }
        dialog.reject();
    });
    entry->trigger();
    EXPECT_EQ(modals.Log().last(), "dialog: BenchWindow");
    // The title is the menu's words without the mnemonic, which a Chinese caption brackets.
    EXPECT_EQ(title, QString::fromUtf8("多台同時寫頻"));
    EXPECT_EQ(rows, QStringList({"COM3 - /dev/radioprog-bench-cable"}));

    // A band the radio cannot take is refused before the bench opens.
    data.band = {10000000, 20000000};
    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Ok);  // the empty write, again
    modals.QueueAnswer(ModalAnswer::Ok);  // the refusal
    entry->trigger();
    EXPECT_FALSE(modals.Log().contains("dialog: BenchWindow"));
    EXPECT_TRUE(modals.Log().last().contains(QString::fromUtf8("未寫入任何資料")))
        << modals.Log().last().toStdString();
}

}  // namespace
}  // namespace radioprog::ui
