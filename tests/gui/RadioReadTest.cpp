// A read from the radio gives a project of what that radio holds: nothing the radio does not
// hold (names, squelch modes, DTMF) comes over from the project that was open, and the result
// belongs to no file. Reading onto the open project is a command of its own, which keeps the
// file and its names.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPushButton>

#include "channellist/ChannelColumns.h"
#include "model/ProjectFile.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

constexpr const char* kRadioPassword = "2468";
// The session's success message in both Chinese languages.
const QString kSuccess = QString::fromUtf8("成功");

class RadioReadTest : public testing::MainWindowFixture {
  protected:
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), key, modifiers);
    }
    // The programming window's Start, from the keyboard.
    void StartNextJob() {
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::keyClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::Key_Space);
        });
    }
    // A customer's project: every channel named, with a squelch mode and DTMF set, and the
    // password that opens the radio on the bench.
    std::string CustomerProject() {
        ProjectImage image;
        image.ResetToDefaults();
        for (int n = 1; n <= kChannelCount; ++n) {
            ChannelRecord channel = image.Channel(n);
            channel.InitialiseNew(440000000 + 12500u * static_cast<unsigned>(n));
            channel.SetSquelchMode(2);
            channel.SetDtmf(true);
            image.SetChannelValid(n, true);
            image.SetText(ChannelNameField(n), "CUST" + std::to_string(n));
        }
        image.SetText(image::UnlockPassword, kRadioPassword);
        const std::string path = folder.File("customer.Vkf");
        EXPECT_TRUE(SaveProject(path, image, BandLimits{}));
        return path;
    }
    void OpenWith(const std::string& path) {
        modals.QueueFileName(QString::fromStdString(path));
        Key(Qt::Key_O);
    }
};

TEST_F(RadioReadTest, CtrlRGivesAFreshUntitledProjectAndReadOntoKeepsTheFilesNames) {
    testing::Radiosim sim({"--kind", "S", "--password", kRadioPassword});
    ASSERT_FALSE(sim.Device().empty());
    WriteConfig("[config]\nLanguage=2\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + sim.Device() +
                "\n");  // traditional Chinese
    OpenWindow();
    const std::string customer = CustomerProject();
    OpenWith(customer);
    ASSERT_EQ(data.image.Text(ChannelNameField(1)), "CUST1");

    StartNextJob();
    Key(Qt::Key_R);
    ASSERT_EQ(modals.Log().last(), kSuccess) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(window->windowTitle().startsWith(QString::fromUtf8("從對講機讀取 ")))
        << window->windowTitle().toStdString();
    const ProjectImage fresh = data.image;
    int inUse = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(fresh.Text(ChannelNameField(n)), "") << "CH-" << n;
        if (fresh.IsChannelValid(n)) {
            ++inUse;
            EXPECT_EQ(fresh.Channel(n).SquelchMode(), 0) << "CH-" << n;
            EXPECT_FALSE(fresh.Channel(n).Dtmf()) << "CH-" << n;
        }
    }
    EXPECT_GT(inUse, 0) << "the radio's channels came in";
    EXPECT_EQ(fresh.Text(image::UnlockPassword), kRadioPassword)
        << "the password that opened the radio stays with its project";

    // Back to the customer's file (the read is in no file: not saved), then the radio's data
    // onto it from the Edit menu's own entry.
    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::No);
    OpenWith(customer);
    ASSERT_EQ(modals.Log().size(), 2) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log().first().startsWith(QString::fromUtf8("儲存對 從對講機讀取 ")));
    auto* readOnto = Child<QAction>("MenuEdit_ReadOnto");
    ASSERT_NE(readOnto, nullptr);
    EXPECT_EQ(readOnto->text(), QString::fromUtf8("讀取到此工程(&J)"));
    StartNextJob();
    Key(Qt::Key_E, Qt::AltModifier);
    QMenu* edit = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(edit, nullptr) << "Alt+E opens the Edit menu";
    QTest::keyClick(edit, Qt::Key_J);
    ASSERT_TRUE(QTest::qWaitFor([&] { return modals.Log().last() == kSuccess; }))
        << modals.Log().join('|').toStdString();

    EXPECT_TRUE(window->windowTitle().startsWith("customer.Vkf"))
        << window->windowTitle().toStdString();
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(data.image.IsChannelValid(n), fresh.IsChannelValid(n)) << "CH-" << n;
        if (!fresh.IsChannelValid(n)) {
            continue;
        }
        EXPECT_EQ(data.image.Text(ChannelNameField(n)), "CUST" + std::to_string(n));
        EXPECT_EQ(data.image.Channel(n).SquelchMode(), 2);
        EXPECT_EQ(data.image.Channel(n).RxFreq(), fresh.Channel(n).RxFreq()) << "CH-" << n;
        EXPECT_EQ(data.image.Channel(n).HighPower(), fresh.Channel(n).HighPower()) << "CH-" << n;
    }

    // Ctrl+S after a read onto the project saves to its own file, without a question.
    modals.ClearLog();
    Key(Qt::Key_S);
    EXPECT_TRUE(modals.Log().filter("file dialog").isEmpty())
        << modals.Log().join('|').toStdString();
    EXPECT_EQ(testing::ReadAll(customer),
              std::string(data.image.Raw().begin(), data.image.Raw().end()));
}

// A read that fails (the project's password does not open this radio) leaves the open project
// and its file as they were.
TEST_F(RadioReadTest, AFailedReadKeepsTheOpenProject) {
    testing::Radiosim sim({"--kind", "S", "--password", "1357"});
    ASSERT_FALSE(sim.Device().empty());
    WriteConfig("[config]\nLanguage=1\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + sim.Device() +
                "\n");  // simplified Chinese
    OpenWindow();
    OpenWith(CustomerProject());
    const std::string before(data.image.Raw().begin(), data.image.Raw().end());
    modals.ClearLog();
    StartNextJob();
    Key(Qt::Key_R);
    ASSERT_FALSE(modals.Log().isEmpty());
    EXPECT_NE(modals.Log().last(), kSuccess) << modals.Log().join('|').toStdString();
    EXPECT_EQ(std::string(data.image.Raw().begin(), data.image.Raw().end()), before);
    EXPECT_TRUE(window->windowTitle().startsWith("customer.Vkf"))
        << window->windowTitle().toStdString();
}

}  // namespace
}  // namespace radioprog::ui
