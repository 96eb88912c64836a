// The programming window against radiosim on a pseudo-terminal: Start runs the job on the
// event loop, the result box names the outcome, and closing the window stops a transfer.

#include <gtest/gtest.h>

#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

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

    EXPECT_EQ(Run(false), SessionOutcome::CommunicationFalse);

    const QString device = QString::fromStdString(sim.Device());
    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog",
                                         "Communication False\n\nPort: COM1 (" + device +
                                             ")\nIs the radio switched on and the cable seated?\n"
                                             "Is another program using the port?"}));

    ApplyLanguageSetting(data.lang, kLanguageSettingSimplified);
    modals.ClearLog();
    PressStartWhenShown();
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
        // Escape, like the disabled Cancel, does not stop a running job.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        startedBeforeClose = !cancel->isEnabled() && dialog.isVisible();
        QTimer::singleShot(500, &dialog, [&dialog] { dialog.close(); });
    });
    EXPECT_EQ(Run(true), SessionOutcome::Closed);
    EXPECT_TRUE(startedBeforeClose);
    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog", "dialog: TProgramDialog"}));
    EXPECT_EQ(mainRedraws, 0);
    EXPECT_TRUE(CanOpenExclusively(sim.Device()));
}

}  // namespace
}  // namespace radioprog::ui
