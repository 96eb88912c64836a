// The programming window against radiosim on a pseudo-terminal: Start runs the job on the
// event loop, the result box names the outcome, and closing the window stops a transfer. The
// window says where it goes before Start, lets go of a port where no radio answers, and
// offers to try again.

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "gui/GuiContext.h"
#include "lang/LanguageSetting.h"
#include "port/PosixSerialPort.h"
#include "session/ui/ProgramDialog.h"
#include "support/GuiContextFixture.h"
#include "support/GuiTestSupport.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

using testing::Find;
using testing::Radiosim;

std::vector<uint8_t> BytesOf(const ProjectImage& image) {
    return {image.Raw().begin(), image.Raw().end()};
}

class ProgramDialogTest : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    void SetUp() override {
        ApplyLanguageSetting(data.lang, kLanguageSettingEnglish);
        QObject::connect(&context.events, &ProjectEvents::projectReplaced,
                         [this] { ++mainRedraws; });
    }
    // COM1 is the given device and nothing else is present.
    void UseDevice(const std::string& device) {
        data.port.source.explicitPorts = {{1, device}};
        data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
        data.port.portNumber = 1;
        data.port.autoSearchPort = false;
    }
    // The next programming window is started as soon as it is up.
    void PressStartWhenShown() {
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        });
    }
    // The next programming window is started by Return, its default button.
    void StartWithReturnWhenShown(const std::function<void(QDialog&)>& afterStart = {}) {
        modals.QueueDialogHandler([afterStart](QDialog& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Return);
            if (afterStart) {
                afterStart(dialog);
            }
        });
    }
    SessionOutcome Run(bool read) {
        return RunProgramDialog(
            context, nullptr,
            {SessionMode::Data, read, read ? "Read from radio" : "Write to radio", {}});
    }

    int mainRedraws = 0;
};

TEST_F(ProgramDialogTest, ReadingARadioFillsTheModelAndRedrawsTheMainWindowOnce) {
    Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());
    UseDevice(sim.Device());
    ResetProjectToDefaults(data);
    const std::vector<uint8_t> before = BytesOf(data.image);
    PressStartWhenShown();

    EXPECT_EQ(Run(true), SessionOutcome::Success);

    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog", "SUCCESS"}));
    EXPECT_EQ(mainRedraws, 1);
    EXPECT_NE(BytesOf(data.image), before);
    // The port is free again for the next job.
    EXPECT_TRUE(CanOpenExclusively(sim.Device()));
}

TEST_F(ProgramDialogTest, APortThatCannotBeOpenedSaysWhichAndWhy) {
    UseDevice("/dev/radioprog-no-such-device");
    PressStartWhenShown();
    modals.QueueAnswer(ModalAnswer::Cancel);  // OK, not Retry
    const std::vector<uint8_t> before = BytesOf(data.image);

    EXPECT_EQ(Run(true), SessionOutcome::CommunicationFalse);

    ASSERT_EQ(modals.Log().size(), 2);
    const QString message = modals.Log()[1];
    EXPECT_TRUE(message.startsWith("Communication False\n\n")) << message.toStdString();
    EXPECT_TRUE(message.contains("COM1 (/dev/radioprog-no-such-device)")) << message.toStdString();
    EXPECT_EQ(mainRedraws, 0);
    EXPECT_EQ(BytesOf(data.image), before);
}

// The result stays the specified text; below it, the port that was used and what to check.
TEST_F(ProgramDialogTest, ASilentRadioEndsInCommunicationFalseNamingThePortAndWhatToCheck) {
    Radiosim sim({"--silent"});
    UseDevice(sim.Device());
    PressStartWhenShown();
    modals.QueueAnswer(ModalAnswer::Cancel);  // OK, not Retry

    EXPECT_EQ(Run(false), SessionOutcome::CommunicationFalse);

    const QString device = QString::fromStdString(sim.Device());
    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog",
                                         "Communication False\n\nPort: COM1 (" + device +
                                             ")\nIs the radio switched on and the cable seated?\n"
                                             "Is another program using the port?"}));

    ApplyLanguageSetting(data.lang, kLanguageSettingSimplified);
    modals.ClearLog();
    PressStartWhenShown();
    modals.QueueAnswer(ModalAnswer::Cancel);
    EXPECT_EQ(Run(false), SessionOutcome::CommunicationFalse);
    EXPECT_TRUE(modals.Log().last().contains(QString::fromUtf8("通讯口：COM1 (") + device))
        << modals.Log().last().toStdString();
}

TEST_F(ProgramDialogTest, CancelAndTheCloseBoxEndTheWindowWithoutAMessage) {
    // Each reply a little late, so the job is surely still running when the window closes.
    Radiosim sim({"--kind", "S", "--reply-delay", "300"});
    UseDevice(sim.Device());

    // Cancel before the start: nothing is sent, nothing shown.
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(Find<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
    });
    EXPECT_EQ(Run(true), SessionOutcome::NotStarted);

    // The close box in the middle of a transfer stops it and frees the port.
    bool startedBeforeClose = false;
    modals.QueueDialogHandler([&startedBeforeClose](QDialog& dialog) {
        auto* cancel = Find<QPushButton>(&dialog, "CancelBtn");
        QTest::mouseClick(Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        QTimer::singleShot(500, &dialog, [&dialog, cancel, &startedBeforeClose] {
            // The radio has answered and data moves: Escape, like the disabled Cancel, does
            // not stop the job.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            startedBeforeClose = !cancel->isEnabled() && dialog.isVisible();
            dialog.close();
        });
    });
    EXPECT_EQ(Run(true), SessionOutcome::Closed);
    EXPECT_TRUE(startedBeforeClose);
    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog", "dialog: TProgramDialog"}));
    EXPECT_EQ(mainRedraws, 0);
    EXPECT_TRUE(CanOpenExclusively(sim.Device()));
}

// A wrong port used to cost the whole silence limit: while no radio has answered, Cancel and
// Escape stop the job at once, with no box, and the port is free again.
TEST_F(ProgramDialogTest, CancelStopsAJobNoRadioHasAnsweredAndFreesThePort) {
    Radiosim sim({"--silent"});
    UseDevice(sim.Device());
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space}) {
        modals.ClearLog();
        bool cancelOffered = false;
        StartWithReturnWhenShown([key, &cancelOffered](QDialog& dialog) {
            auto* cancel = Find<QPushButton>(&dialog, "CancelBtn");
            QTimer::singleShot(1500, &dialog, [&dialog, cancel, key, &cancelOffered] {
                cancelOffered = cancel->isEnabled();
                // Space presses the button that has the focus.
                cancel->setFocus();
                QTest::keyClick(key == Qt::Key_Escape ? static_cast<QWidget*>(&dialog) : cancel,
                                key);
            });
        });

        EXPECT_EQ(Run(false), SessionOutcome::Closed) << "key " << key;

        EXPECT_TRUE(cancelOffered);
        EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog"}));
        EXPECT_TRUE(CanOpenExclusively(sim.Device()));
    }
}

// Once the radio has answered, data moves: Cancel stays off until the job ends, for a read and
// for a write whose safety net has not yet learnt which radio it met.
TEST_F(ProgramDialogTest, OnceTheRadioHasAnsweredCancelStaysOff) {
    Radiosim sim({"--kind", "S", "--reply-delay", "300"});
    UseDevice(sim.Device());
    data.config.backupBeforeWrite = false;
    data.config.verifyAfterWrite = false;
    ResetProjectToDefaults(data);
    for (const bool read : {true, false}) {
        ProgramJob job{SessionMode::Data, read, "job", {}};
        job.safetyNet = !read;
        bool cancelOffered = true;
        bool stillRunning = false;
        StartWithReturnWhenShown([&](QDialog& dialog) {
            auto* cancel = Find<QPushButton>(&dialog, "CancelBtn");
            QTimer::singleShot(1200, &dialog, [&dialog, cancel, &cancelOffered, &stillRunning] {
                cancelOffered = cancel->isEnabled();
                QTest::keyClick(&dialog, Qt::Key_Escape);
                stillRunning = dialog.isVisible();
                dialog.close();
            });
        });
        EXPECT_EQ(RunProgramDialog(context, nullptr, job), SessionOutcome::Closed) << read;
        EXPECT_FALSE(cancelOffered) << read;
        EXPECT_TRUE(stillRunning) << read;
    }
    EXPECT_TRUE(CanOpenExclusively(sim.Device()));
}

// Before Start the window names the port and its device, or says it will search; once a read
// has met a radio, the next window names that radio and its last programming date.
TEST_F(ProgramDialogTest, TheWindowSaysWhereTheJobGoesAndWhichRadioWasLastRead) {
    Radiosim sim({"--kind", "Y"});
    UseDevice(sim.Device());
    ApplyLanguageSetting(data.lang, kLanguageSettingSimplified);
    QString where;
    bool radioShownBeforeARead = true;
    StartWithReturnWhenShown([&](QDialog& dialog) {
        where = Find<QLabel>(&dialog, "sPort")->text();
        radioShownBeforeARead = dialog.findChild<QLabel*>("sRadioRead") != nullptr;
    });
    ASSERT_EQ(Run(true), SessionOutcome::Success);
    EXPECT_EQ(where, QString::fromUtf8("通讯口：COM1 - ") + QString::fromStdString(sim.Device()));
    EXPECT_FALSE(radioShownBeforeARead);

    ApplyLanguageSetting(data.lang, kLanguageSettingEnglish);
    data.port.autoSearchPort = true;
    QString radio;
    modals.QueueDialogHandler([&](QDialog& dialog) {
        where = Find<QLabel>(&dialog, "sPort")->text();
        radio = Find<QLabel>(&dialog, "sRadioRead")->text();
        dialog.reject();
    });
    Run(false);
    EXPECT_EQ(where, "Port: auto search");
    const LastWriteTime& stamp = data.lastWriteTime;
    ASSERT_NE(stamp.year, 0) << "the simulated radio carries a programming date";
    EXPECT_EQ(radio,
              QString::asprintf("Radio last read: Y, last written %04d-%02d-%02d %02d:%02d",
                                stamp.year, stamp.month, stamp.day, stamp.hour, stamp.minute));
}

// Where no radio answers, the failure box offers Retry beside OK: Retry runs the job again at
// once, and a cable plugged in meanwhile is found. OK ends as before.
TEST_F(ProgramDialogTest, RetryInTheFailureBoxRunsTheJobAgain) {
    Radiosim sim({"--kind", "S"});
    const std::string cable = folder.File("cable");
    UseDevice(cable);
    ApplyLanguageSetting(data.lang, kLanguageSettingTraditional);

    modals.QueueAnswer(ModalAnswer::Cancel);  // OK
    StartWithReturnWhenShown();
    EXPECT_EQ(Run(true), SessionOutcome::CommunicationFalse);
    EXPECT_EQ(modals.Log().size(), 2);
    EXPECT_TRUE(modals.AllAnswersUsed());

    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Ok);  // Retry
    StartWithReturnWhenShown([&](QDialog&) {
        // The box has been answered by now: the cable is plugged in before the retry.
        std::filesystem::create_symlink(sim.Device(), cable);
    });
    modals.QueueDialogHandler([](QDialog&) {});  // the retry starts by itself
    EXPECT_EQ(Run(true), SessionOutcome::Success);

    ASSERT_EQ(modals.Log().size(), 4) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log()[1].startsWith(QString::fromUtf8("無法連接\n\n")))
        << modals.Log()[1].toStdString();
    EXPECT_EQ(modals.Log()[2], "dialog: TProgramDialog");
    EXPECT_EQ(modals.Log()[3], QString::fromUtf8("成功"));
    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_EQ(mainRedraws, 1);
}

}  // namespace
}  // namespace radioprog::ui
