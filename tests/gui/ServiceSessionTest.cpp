// The service windows against a simulated radio on a pseudo-terminal: calibration read,
// write, write all and status from the calibration window, and the radio password set from
// the new password dialog, with the radio's memory checked in the simulator's file.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "calibration/ui/TAdjustmentDlg.h"
#include "dialogs/ui/ServiceDialogs.h"
#include "mainwindow/ui/ServiceWindows.h"
#include "model/ProjectFields.h"
#include "session/RadioMemoryMap.h"
#include "session/ui/ProgramDialog.h"
#include "support/GuiContextFixture.h"
#include "support/GuiTestSupport.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog::ui {
namespace {

using testing::Find;

constexpr size_t kPowerHOfPoint0 = radiomap::kCalibrationAddress + 2;

class ServiceSession : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    ServiceSession() : GuiContextFixture(Config::OwnFile) {
        data.lang.SetLangType(THaldenFuncs::TLangType::English);
        ResetProjectToDefaults(data);
        ResetCalibrationData(data.calibration, data.band);
    }
    ~ServiceSession() override { testing::CloseStrayWindows(); }

    // The simulator on port 1, with its memory kept in a file of the test's folder.
    void StartRadio(std::vector<std::string> options = {}) {
        options.insert(options.end(), {"--memory", memoryFile});
        radio = std::make_unique<testing::Radiosim>(options);
        ASSERT_FALSE(radio->Device().empty());
        data.port.source.explicitPorts = {{1, radio->Device()}};
        data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
        data.port.portNumber = 1;
        data.port.autoSearchPort = false;
    }

    // The next programming window is started as soon as it is shown.
    void QueueStart() {
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        });
    }

    // The radio's memory as the simulator last saved it, once byte at holds value.
    bool RadioMemoryHolds(size_t at, uint8_t value) {
        return testing::WaitFor([&] {
            const std::string memory = testing::ReadAll(memoryFile);
            return memory.size() > at && static_cast<uint8_t>(memory[at]) == value;
        });
    }

    QString LastMessage() const { return modals.Log().isEmpty() ? QString() : modals.Log().back(); }

    std::string memoryFile = folder.File("radio.mem");
    std::unique_ptr<testing::Radiosim> radio;
};

// Through the access code, as a service person does: status, read, a new high power written
// and read back.
TEST_F(ServiceSession, AServicePersonCalibratesTheRadio) {
    StartRadio({"--kind", "Y", "--status", "7B 11 22 A4 00 80 80 00 3C 01 2C"});
    uint8_t readPower = 0;
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eInput"), "mqwr47");
        QTest::mouseClick(Find<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
    });
    modals.QueueDialogHandler([&](QDialog& dialog) {
        auto& window = static_cast<TAdjustmentDlg&>(dialog);
        QueueStart();
        QTest::mouseClick(Find<QPushButton>(&window, "Read1846Status"), Qt::LeftButton);
        EXPECT_EQ(Find<QLabel>(&window, "sCurBatt")->text(), "123");
        EXPECT_EQ(Find<QLabel>(&window, "sRssi_db")->text(), "17");

        QueueStart();
        QTest::mouseClick(Find<QPushButton>(&window, "bRead"), Qt::LeftButton);
        readPower = data.calibration.Point(0).PowerH;
        EXPECT_EQ(Find<QLineEdit>(&window, "eFreq_0_H")->text(), QString::number(readPower));

        QLineEdit* power = Find<QLineEdit>(&window, "eFreq_0_H");
        power->setText(QString::number(readPower + 3));
        window.EditExit(*power);
        QueueStart();
        QTest::mouseClick(Find<QPushButton>(&window, "bWrite"), Qt::LeftButton);
        EXPECT_TRUE(RadioMemoryHolds(kPowerHOfPoint0, static_cast<uint8_t>(readPower + 3)));

        ResetCalibrationData(data.calibration, data.band);
        QueueStart();
        QTest::mouseClick(Find<QPushButton>(&window, "bRead"), Qt::LeftButton);
        EXPECT_EQ(Find<QLineEdit>(&window, "eFreq_0_H")->text(), QString::number(readPower + 3));
        dialog.reject();
    });
    RunAccessCodeDialog(context, nullptr);

    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_EQ(modals.Log().filter("SUCCESS").size(), 4) << modals.Log().join("|").toStdString();
    EXPECT_TRUE(data.VariantY);
}

TEST_F(ServiceSession, WriteAllSendsTheCalibrationAndTheProjectData) {
    StartRadio();
    data.image.Set(settings::Sql, uint8_t{7});
    CalibrationPoint point = data.calibration.Point(0);
    point.PowerH = 41;
    data.calibration.SetPoint(0, point);
    TAdjustmentDlg window(context, nullptr);
    QueueStart();
    window.bAllWriteClick();
    EXPECT_EQ(LastMessage(), "SUCCESS");
    EXPECT_TRUE(RadioMemoryHolds(kPowerHOfPoint0, 41));
    EXPECT_TRUE(RadioMemoryHolds(radiomap::kSettingsAddress + settingsarea::kSql, 7));
}

// "Live": the status follows the radio every two seconds while the window shows, quietly; a
// job the user starts meanwhile finds the port free; hiding the window stops the reads, and a
// radio that goes away unticks the box with one message.
TEST_F(ServiceSession, TheLiveStatusFollowsTheRadioUntilItStops) {
    StartRadio({"--kind", "Y", "--status", "7B 11 22 A4 00 80 80 00 3C 01 2C"});
    TAdjustmentDlg window(context, nullptr);
    window.show();
    auto* live = Find<QCheckBox>(&window, "cLive");
    auto* timer = Find<QTimer>(&window, "LiveStatusTimer");
    auto* battery = Find<QLabel>(&window, "sCurBatt");
    // On the tick mark itself: the box spans its panel, wider than its words.
    const QPoint tick(live->height() / 2, live->height() / 2);
    EXPECT_FALSE(timer->isActive());
    QTest::mouseClick(live, Qt::LeftButton, {}, tick);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return battery->text() == "123"; }, 10000));
    EXPECT_TRUE(modals.Log().isEmpty()) << modals.Log().join("|").toStdString();

    // Reads back to back, so that the user's job is sure to meet one under way.
    timer->setInterval(1);
    QTest::qWait(50);
    QueueStart();
    QTest::mouseClick(Find<QPushButton>(&window, "bRead"), Qt::LeftButton);
    EXPECT_EQ(modals.Log().join("|"), "dialog: TProgramDialog|SUCCESS");

    window.hide();
    EXPECT_FALSE(timer->isActive());
    window.show();
    EXPECT_TRUE(timer->isActive());

    modals.ClearLog();
    radio.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !live->isChecked(); }, 10000));
    QTest::qWait(50);
    ASSERT_EQ(modals.Log().size(), 1) << modals.Log().join("|").toStdString();
    EXPECT_TRUE(modals.Log()[0].startsWith("Communication False")) << modals.Log()[0].toStdString();
    EXPECT_FALSE(timer->isActive());
}

// The owner locks the radio with a new password; a read then needs the unlock password, and
// the refusal says where it is entered.
TEST_F(ServiceSession, ANewPasswordLocksTheRadioUntilItIsGiven) {
    StartRadio();
    modals.QueueDialogHandler([&](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eInput"), "4321");
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eSureInput"), "4321");
        QueueStart();
        QTest::mouseClick(Find<QPushButton>(&dialog, "bWrite"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());  // Write leaves the dialog open
        dialog.reject();
    });
    RunNewPasswordDialog(context, nullptr);
    EXPECT_EQ(LastMessage(), "SUCCESS");
    EXPECT_EQ(data.image.Text(image::NewPassword), "4321");

    const ProgramJob read{SessionMode::Data, true, "Read from radio", {}};
    QueueStart();
    EXPECT_EQ(RunProgramDialog(context, nullptr, read), SessionOutcome::PasswordError);
    // The radio's word first, then where the password the radio wants is given.
    EXPECT_TRUE(LastMessage().startsWith("Password Error\n\n")) << LastMessage().toStdString();
    EXPECT_TRUE(LastMessage().contains("Edit > Password")) << LastMessage().toStdString();

    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eInput"), "4321");
        QTest::mouseClick(Find<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
    });
    RunSetPasswordDialog(context, nullptr);
    QueueStart();
    EXPECT_EQ(RunProgramDialog(context, nullptr, read), SessionOutcome::Success);
    EXPECT_EQ(LastMessage(), "SUCCESS");
}

TEST_F(ServiceSession, AProtectedRadioReadsOnlyWithItsUnlockPassword) {
    StartRadio({"--password", "secret"});
    const ProgramJob read{SessionMode::Data, true, "Read from radio", {}};
    for (const auto& [unlock, outcome] : {std::pair{"", SessionOutcome::PasswordError},
                                          {"Secret", SessionOutcome::PasswordError},
                                          {"secret", SessionOutcome::Success}}) {
        data.image.SetText(image::UnlockPassword, unlock);
        QueueStart();
        EXPECT_EQ(RunProgramDialog(context, nullptr, read), outcome) << unlock;
    }
}

}  // namespace
}  // namespace radioprog::ui
