// The port dialog over pseudo-terminals named in the configuration's [ports] section: which
// buttons it offers, what OK and Cancel keep, and the device behind each number.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include "port/PosixSerialPort.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

using testing::Find;

// A pseudo-terminal whose device stands in for a serial port.
class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            path_ = ptsname(master_);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) {
            close(master_);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const std::string& Path() const { return path_; }

  private:
    int master_ = -1;
    std::string path_;
};

// What the dialog showed for each of COM1..COM9.
struct Buttons {
    std::vector<int> enabled;
    int checked = 0;
    bool autoSearch = false;
    std::vector<QString> tips;
};

Buttons Read(QDialog& dialog) {
    Buttons b;
    for (int n = 1; n <= 9; ++n) {
        auto* button = Find<QRadioButton>(&dialog, ("rbCOM" + std::to_string(n)).c_str());
        if (button->isEnabled()) {
            b.enabled.push_back(n);
        }
        if (button->isChecked()) {
            b.checked = n;
        }
        b.tips.push_back(button->toolTip());
    }
    b.autoSearch = Find<QCheckBox>(&dialog, "cAutoSeachPort")->isChecked();
    return b;
}

class PortDialogTest : public testing::MainWindowFixture {
  protected:
    // COM3 and COM5 are pseudo-terminals; COM7 names a device that does not exist.
    void StartWith(const std::string& config) {
        WriteConfig("[config]\nLanguage=0\n" + config + "\n[ports]\nCOM3=" + com3.Path() +
                    "\nCOM5=" + com5.Path() + "\nCOM7=/dev/radioprog-absent\n");
        OpenWindow();
    }
    // Opens the dialog from the menu; act runs inside it and must close it.
    void InDialog(std::function<void(QDialog&)> act) {
        modals.QueueDialogHandler(std::move(act));
        Child<QAction>("MenuPort")->trigger();
        ASSERT_TRUE(modals.AllAnswersUsed());
    }
    static void Press(QDialog& dialog, const char* name) {
        QTest::mouseClick(Find<QAbstractButton>(&dialog, name), Qt::LeftButton);
    }

    PseudoTerminal com3, com5;
};

TEST_F(PortDialogTest, APortMissingAtStartFallsBackToCom1AndOnlyPresentPortsCanBeChosen) {
    StartWith("Port=4\nAutoSeachPort=0");
    EXPECT_EQ(data.port.portNumber, 1);

    Buttons shown;
    InDialog([&](QDialog& dialog) {
        shown = Read(dialog);
        Press(dialog, "rbCOM5");
        Press(dialog, "OKBtn");
    });
    EXPECT_EQ(shown.enabled, (std::vector<int>{3, 5}));
    EXPECT_EQ(shown.checked, 1);
    EXPECT_FALSE(shown.autoSearch);
    EXPECT_EQ(data.port.portNumber, 5);
    // Each number's tool tip names its device, present or not.
    EXPECT_EQ(shown.tips[2].toStdString(), com3.Path());
    EXPECT_EQ(shown.tips[4].toStdString(), com5.Path());
    EXPECT_EQ(shown.tips[6], "/dev/radioprog-absent");
    EXPECT_EQ(shown.tips[0], QString());

    // The choice reaches the configuration when the window goes.
    CloseWindow();
    ConfigValues saved;
    BandLimits band;
    LoadConfiguration(configPath, saved, band);
    EXPECT_EQ(saved.portNumber, 5);
    EXPECT_FALSE(saved.autoSearchPort);
}

TEST_F(PortDialogTest, UnderAutoSearchEveryButtonIsDisabledAndOkStillTakesTheCheckedOne) {
    StartWith("Port=3\nAutoSeachPort=1");
    Buttons shown;
    InDialog([&](QDialog& dialog) {
        shown = Read(dialog);
        Press(dialog, "OKBtn");
    });
    EXPECT_TRUE(shown.enabled.empty());
    EXPECT_EQ(shown.checked, 3);
    EXPECT_TRUE(shown.autoSearch);
    EXPECT_EQ(data.port.portNumber, 3);
    EXPECT_TRUE(data.port.autoSearchPort);
}

TEST_F(PortDialogTest, CancelKeepsTheAutoSearchBoxButNotTheChosenPort) {
    StartWith("Port=3\nAutoSeachPort=1");
    Buttons afterClearing;
    InDialog([&](QDialog& dialog) {
        Press(dialog, "cAutoSeachPort");
        afterClearing = Read(dialog);
        Press(dialog, "rbCOM5");
        Press(dialog, "CancelBtn");
    });
    EXPECT_EQ(afterClearing.enabled, (std::vector<int>{3, 5}));
    EXPECT_FALSE(data.port.autoSearchPort);
    EXPECT_EQ(data.port.portNumber, 3);

    // Ticking it again disables every button at once.
    Buttons afterTicking;
    InDialog([&](QDialog& dialog) {
        Press(dialog, "cAutoSeachPort");
        afterTicking = Read(dialog);
        dialog.close();
    });
    EXPECT_TRUE(afterTicking.enabled.empty());
    EXPECT_TRUE(data.port.autoSearchPort);
}

TEST_F(PortDialogTest, APortHeldByAnotherProgramIsNotOffered) {
    StartWith("Port=5\nAutoSeachPort=0");
    PosixSerialPort other;
    ASSERT_TRUE(other.Open(com5.Path()));

    Buttons shown;
    InDialog([&](QDialog& dialog) {
        shown = Read(dialog);
        Press(dialog, "CancelBtn");
    });
    EXPECT_EQ(shown.enabled, (std::vector<int>{3}));
    // Port 5 is not present now, so the dialog fell back to 1.
    EXPECT_EQ(shown.checked, 1);
    EXPECT_EQ(data.port.portNumber, 1);
}

// Keys only: the focus starts where the arrows reach the present ports, even when the checked
// port (COM1 here) is absent, and Up from the auto search box goes back to them.
TEST_F(PortDialogTest, TheArrowKeysReachThePortsFromWhereTheFocusStarts) {
    StartWith("Port=4\nAutoSeachPort=0");
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto focused = [] {
        QWidget* widget = QApplication::focusWidget();
        return widget != nullptr ? widget->objectName() : QString();
    };
    QStringList visited;
    InDialog([&](QDialog& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        visited << focused();
        press(Qt::Key_Right);
        visited << focused();
        press(Qt::Key_Space);
        press(Qt::Key_Return);
    });
    EXPECT_EQ(visited, (QStringList{"rbCOM3", "rbCOM5"}));
    EXPECT_EQ(data.port.portNumber, 5);

    // Under auto search the box has the focus; clearing it with Space and going Up reaches
    // the checked port, and the arrows move the choice.
    data.port.autoSearchPort = true;
    visited.clear();
    InDialog([&](QDialog& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        visited << focused();
        press(Qt::Key_Space);
        press(Qt::Key_Up);
        visited << focused();
        press(Qt::Key_Left);
        visited << focused();
        press(Qt::Key_Return);
    });
    EXPECT_EQ(visited, (QStringList{"cAutoSeachPort", "rbCOM5", "rbCOM3"}));
    EXPECT_FALSE(data.port.autoSearchPort);
    EXPECT_EQ(data.port.portNumber, 3);
}

}  // namespace
}  // namespace radioprog::ui
