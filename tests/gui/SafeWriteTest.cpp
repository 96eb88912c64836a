// Writing from the main window with the safety net: a radio that acknowledges a block and
// keeps its old bytes is caught by the read-back, radio after radio writes the same project
// again at once, counting the radios, and the backup kept before a wrong write puts the radio
// back; every write leaves its line in the bench log. The first of radio after radio waits
// for Start, and a radio not yet connected can be waited for.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "history/RadioHistory.h"
#include "model/ProjectFile.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

using testing::Radiosim;
namespace fs = std::filesystem;

class SafeWriteTest : public testing::MainWindowFixture {
  protected:
    // English unless told, COM1 fixed on the simulator, the history in the test's own folder.
    void Configure(const std::string& device, int language = 0) {
        WriteConfig("[config]\nLanguage=" + std::to_string(language) +
                    "\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + device +
                    "\n[History]\nFolder=" + historyFolder + "\n");
    }
    void PressWriteToNextRadio() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    }
    void PressStartInTheNextProgrammingWindow() {
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        });
    }
    void PutChannelOneOn446100() {
        ChannelRecord channel = data.image.Channel(1);
        channel.InitialiseNew(446100000);
        data.image.SetChannelValid(1, true);
    }
    std::vector<std::string> LogLines() const {
        std::ifstream in(historyFolder + "/programming-log.csv");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
    int Backups() const {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(historyFolder)) {
            count += entry.path().filename().string().find("_backup") != std::string::npos;
        }
        return count;
    }

    std::string historyFolder = folder.File("history");
};

TEST_F(SafeWriteTest, ARadioThatKeepsItsOldChannelIsNamedNotCalledASuccess) {
    Radiosim sim({"--kind", "S", "--drop-write", "0x8080"});
    ASSERT_FALSE(sim.Device().empty());
    Configure(sim.Device());
    OpenWindow();
    PutChannelOneOn446100();

    PressStartInTheNextProgrammingWindow();
    Child<QAction>("MenuEdit_Write")->trigger();

    ASSERT_EQ(modals.Log().size(), 2);
    const QString box = modals.Log()[1];
    EXPECT_TRUE(box.startsWith("Verify failed: the radio does not hold what was written."))
        << box.toStdString();
    EXPECT_TRUE(box.contains("Differs: channel 1")) << box.toStdString();
    EXPECT_TRUE(box.contains("Addresses: 0x8080")) << box.toStdString();
    // The fields follow a line that says which side of the arrow is the radio.
    EXPECT_TRUE(
        box.contains("Each line: as written -> as read back from the radio\n"
                     "channel 1  RX Freq.: \"446.10000\" -> "))
        << box.toStdString();
    EXPECT_FALSE(box.contains("SUCCESS"));
    EXPECT_EQ(Backups(), 1);
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_NE(log[1].find(",COM1," + sim.Device() + ",S,write,verify-failed,differs,"),
              std::string::npos)
        << log[1];
}

// The radio took every block but kept its old password, so the read-back cannot open it: the
// box says why first, then that the written radio is unverified; never "SUCCESS".
TEST_F(SafeWriteTest, AReadBackThatCannotRunSaysWhyAndThatTheRadioIsUnverified) {
    Radiosim sim({"--kind", "S", "--password", "1111", "--drop-write", "0x4040"});
    ASSERT_FALSE(sim.Device().empty());
    Configure(sim.Device());
    OpenWindow();
    PutChannelOneOn446100();
    data.image.SetText(image::UnlockPassword, "1111");
    data.image.SetText(image::NewPassword, "2222");
    data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});

    PressStartInTheNextProgrammingWindow();
    Child<QAction>("MenuEdit_Write")->trigger();

    ASSERT_EQ(modals.Log().size(), 2);
    const QString box = modals.Log()[1];
    EXPECT_TRUE(box.startsWith("Password Error\n\nEvery block was written and acknowledged"))
        << box.toStdString();
    EXPECT_TRUE(box.contains("unverified")) << box.toStdString();
    EXPECT_FALSE(box.contains("SUCCESS"));
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_NE(log[1].find(",S,write,success,could-not-run,"), std::string::npos) << log[1];
}

TEST_F(SafeWriteTest, WriteToNextRadioWritesTheSameProjectAtOnceAndCountsTheRadios) {
    Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());
    Configure(sim.Device());
    OpenWindow();
    PutChannelOneOn446100();

    PressStartInTheNextProgrammingWindow();
    modals.QueueAnswer(ModalAnswer::Ok);         // write to the next radio
    modals.QueueDialogHandler([](QDialog&) {});  // it starts by itself
    modals.QueueAnswer(ModalAnswer::Cancel);     // and that is all
    Child<QAction>("MenuEdit_Write")->trigger();

    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog",
                                         "SUCCESS\n\nRadios written since the window opened: 1",
                                         "dialog: TProgramDialog",
                                         "SUCCESS\n\nRadios written since the window opened: 2"}));
    EXPECT_TRUE(modals.AllAnswersUsed());
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 3u);
    for (size_t i = 1; i < log.size(); ++i) {
        EXPECT_NE(log[i].find(",Y,write,success,agreed,"), std::string::npos) << log[i];
    }
    // One checksum for both: the same data went to each radio.
    const auto checksum = [](const std::string& line) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');) {
            fields.push_back(field);
        }
        return fields.size() >= 2 ? fields[fields.size() - 2] : std::string();
    };
    EXPECT_EQ(checksum(log[1]).size(), 8u);
    EXPECT_EQ(checksum(log[1]), checksum(log[2]));
}

TEST_F(SafeWriteTest, TheBackupOpenedFromTheHistoryPutsAWrongWrittenRadioBack) {
    Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    Configure(sim.Device());
    OpenWindow();
    // A radio never read here gets the wrong project.
    PutChannelOneOn446100();
    data.image.SetChannelValid(2, false);
    const auto write = [this] {
        PressStartInTheNextProgrammingWindow();
        modals.QueueAnswer(ModalAnswer::Cancel);  // no next radio
        Child<QAction>("MenuEdit_Write")->trigger();
    };
    write();
    const auto entries = ListHistory(historyFolder);
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_EQ(entries[0].job, HistoryJob::Backup);

    modals.QueueDialogHandler([](QDialog& dialog) {
        auto* list = testing::Find<QTableView>(&dialog, "HistoryList");
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "bOpen"), Qt::LeftButton);
    });
    Child<QAction>("MenuFile_History")->trigger();
    write();
    PressStartInTheNextProgrammingWindow();
    Child<QAction>("MenuEdit_Read")->trigger();

    ASSERT_TRUE(modals.AllAnswersUsed());
    ProjectImage backup;
    BandLimits band;
    ASSERT_TRUE(OpenProject(entries[0].path, backup, band));
    EXPECT_TRUE(std::ranges::equal(data.image.Raw(), backup.Raw()))
        << "the radio holds again what the backup read";
    EXPECT_NE(data.image.Channel(1).RxFreq(), 446100000u);
}

// Neither the 0-0 band of a truncated project nor channels at 0 Hz reach a radio: the write is
// refused, naming the band dialog or the channels, before any programming window opens; and
// channels at 0 Hz are no channels for the question that comes first.
TEST_F(SafeWriteTest, ABandOrChannelsTheRadioCannotHoldAreRefusedBeforeTheRadio) {
    Configure(folder.File("no-radio"));
    OpenWindow();
    ProjectImage project;
    project.ResetToDefaults();
    const std::string full = folder.File("radio.Vkf");
    ASSERT_TRUE(SaveProject(full, project, BandLimits{400000000, 480000000}));
    const std::string head = folder.File("head.Vkf");
    fs::copy_file(full, head);
    fs::resize_file(head, 100);
    ASSERT_TRUE(window->OpenProjectFile(QString::fromStdString(head)));
    PutChannelOneOn446100();

    modals.ClearLog();
    Child<QAction>("MenuEdit_Write")->trigger();
    Child<QAction>("MenuEdit_WriteNextRadio")->trigger();
    ASSERT_EQ(modals.Log().size(), 2) << modals.Log().join('|').toStdString();
    for (const QString& box : modals.Log()) {
        EXPECT_TRUE(box.startsWith("The band 0-0 MHz is not one the radio accepts"))
            << box.toStdString();
        EXPECT_TRUE(box.contains("band dialog")) << box.toStdString();
    }

    data.band = {400000000, 480000000};
    for (int n = 1; n <= kChannelCount; ++n) {
        data.image.Channel(n).InitialiseNew(0);
        data.image.SetChannelValid(n, true);
    }
    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Ok);
    Child<QAction>("MenuEdit_Write")->trigger();
    ASSERT_EQ(modals.Log().size(), 2) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log()[0].startsWith("This project has no channels"))
        << modals.Log()[0].toStdString();
    EXPECT_TRUE(
        modals.Log()[1].contains("the radio cannot hold (136-174, 200-260, 300-520 MHz): "
                                 "1, 2, 3, 4, 5, 6, ... (16)"))
        << modals.Log()[1].toStdString();
    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_TRUE(LogLines().empty()) << "nothing went to a radio";
}

// A slip of the keys must not write a radio: the first write to the next radio shows the window
// with Start and the safety net like any write; only the ones the success box asks for go at
// once.
TEST_F(SafeWriteTest, TheFirstWriteToTheNextRadioWaitsForStart) {
    Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());
    Configure(sim.Device(), 1);
    OpenWindow();
    PutChannelOneOn446100();

    bool startOffered = false;
    bool safetyNetShown = false;
    modals.QueueDialogHandler([&](QDialog& dialog) {
        startOffered = testing::Find<QPushButton>(&dialog, "ProgramStart")->isEnabled();
        safetyNetShown = dialog.findChild<QCheckBox*>("BackupBeforeWrite") != nullptr &&
                         dialog.findChild<QCheckBox*>("VerifyAfterWrite") != nullptr;
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    modals.QueueAnswer(ModalAnswer::Ok);  // write to the next radio
    bool nextWaitedForStart = true;
    modals.QueueDialogHandler([&](QDialog& dialog) {
        nextWaitedForStart = testing::Find<QPushButton>(&dialog, "ProgramStart")->isEnabled();
    });
    modals.QueueAnswer(ModalAnswer::Cancel);  // and that is all
    PressWriteToNextRadio();

    EXPECT_TRUE(startOffered);
    EXPECT_TRUE(safetyNetShown);
    EXPECT_FALSE(nextWaitedForStart);
    EXPECT_EQ(modals.Log(),
              QStringList(
                  {"dialog: TProgramDialog", QString::fromUtf8("成功\n\n本次已写入 1 台对讲机"),
                   "dialog: TProgramDialog", QString::fromUtf8("成功\n\n本次已写入 2 台对讲机")}));
    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_EQ(LogLines().size(), 3u);
}

// Radio after radio, a radio not yet connected is waited for: the job starts again every two
// seconds, without a box, until one answers.
TEST_F(SafeWriteTest, WaitingForTheRadioTriesAgainUntilOneAnswers) {
    Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    const std::string cable = folder.File("cable");
    Configure(cable);
    OpenWindow();
    PutChannelOneOn446100();

    modals.QueueDialogHandler([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    modals.QueueAnswer(ModalAnswer::Ok);  // wait for the radio
    bool cancelOfferedWhileWaiting = false;
    modals.QueueDialogHandler([&](QDialog& dialog) {
        cancelOfferedWhileWaiting =
            dialog.isVisible() && testing::Find<QPushButton>(&dialog, "CancelBtn")->isEnabled();
        // Plugged in after the second attempt has found nothing either.
        QTimer::singleShot(3000, &dialog, [&] { fs::create_symlink(sim.Device(), cable); });
    });
    modals.QueueAnswer(ModalAnswer::Cancel);  // no next radio
    PressWriteToNextRadio();

    ASSERT_EQ(modals.Log().size(), 4) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log()[1].startsWith("Communication False\n\n"))
        << modals.Log()[1].toStdString();
    EXPECT_EQ(modals.Log()[2], "dialog: TProgramDialog");
    EXPECT_EQ(modals.Log()[3], "SUCCESS\n\nRadios written since the window opened: 1");
    EXPECT_TRUE(cancelOfferedWhileWaiting);
    EXPECT_TRUE(modals.AllAnswersUsed());
    const std::vector<std::string> log = LogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find(",S,write,success,agreed,"), std::string::npos) << log.back();
}

}  // namespace
}  // namespace radioprog::ui
