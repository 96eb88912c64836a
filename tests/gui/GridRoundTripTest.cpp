// The whole way of a channel list: typed into the grid and the options page, written to a
// simulated radio, read back into a fresh window that shows the same page, and saved as a
// project that the command-line tool lists with exactly the typed values.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "lang/LanguageSetting.h"
#include "mainwindow/ui/ChannelPage.h"
#include "mainwindow/ui/OptionsPage.h"
#include "model/ProjectFile.h"
#include "session/ui/ProgramDialog.h"
#include "support/CliTest.h"
#include "support/GridDriver.h"
#include "support/GuiContextFixture.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog::ui {
namespace {

using testing::Find;
using namespace testing::grid_columns;

constexpr const char* kOptionCombos[] = {"cbSQL", "cbTOT", "cbTOA", "cbVoice", "cbSaving_Rate"};

// The main window's two pages in one window, over one program's data, wired to a radio on
// device.
struct Window : testing::GuiContextFixture {
    QWidget window;
    ChannelPage* channels = new ChannelPage(context, &window);
    OptionsPage* options = new OptionsPage(context, &window);
    testing::GridDriver grid{Find<QTableView>(channels, "StringGrid1")};

    explicit Window(const std::string& device) {
        ApplyLanguageSetting(data.lang, kLanguageSettingEnglish);
        ResetProjectToDefaults(data);
        data.port.source.explicitPorts = {{1, device}};
        data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
        data.port.portNumber = 1;
        data.port.autoSearchPort = false;
        QObject::connect(&context.events, &ProjectEvents::projectReplaced, [this] { Refresh(); });
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(channels);
        layout->addWidget(options);
        window.resize(1400, 480);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        Refresh();
    }
    void Refresh() {
        channels->RefreshFromModel();
        options->RefreshFromModel();
    }
    // Ctrl+R or Ctrl+W: the pending edit is stored, then the job runs with Start pressed.
    SessionOutcome Run(bool read) {
        channels->CommitPendingEdit();
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        });
        return RunProgramDialog(
            context, channels,
            {SessionMode::Data, read, read ? "Read from radio" : "Write to radio", {}});
    }
    QStringList Shown() {
        QStringList shown;
        for (int row = 0; row < kChannelCount; ++row) {
            shown << grid.RowTexts(row).join('|');
        }
        for (const char* name : kOptionCombos) {
            shown << Find<QComboBox>(options, name)->currentText();
        }
        for (const char* name : {"cBeep", "cSaving"}) {
            shown << (Find<QCheckBox>(options, name)->isChecked() ? "on" : "off");
        }
        return shown;
    }
};

TEST(GridRoundTrip, WhatIsTypedIsWhatTheRadioGivesBackAndTheToolLists) {
    testing::Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());

    Window typed(sim.Device());
    testing::GridDriver& grid = typed.grid;
    grid.TypeInto(0, kRx, "438.00625");
    grid.Press(Qt::Key_Tab);
    QTest::keyClicks(grid.OpenEditor(), "439.1");
    grid.Press(Qt::Key_Tab);
    QTest::keyClicks(grid.OpenEditor(), "88.5");
    grid.Press(Qt::Key_Tab);
    QTest::keyClicks(grid.OpenEditor(), "d023i");
    grid.Press(Qt::Key_Tab);
    grid.Press(Qt::Key_Up);  // Low
    grid.Press(Qt::Key_Tab);
    grid.Press(Qt::Key_Up);  // Narrow
    grid.Press(Qt::Key_Tab);
    grid.Press(Qt::Key_Down);  // CAT
    grid.Press(Qt::Key_Return);
    grid.Enter(1, kRx, "446.1");
    grid.Enter(1, kTxTone, "69.0");
    grid.Enter(15, kRx, "470");
    grid.Click(15, kTx);
    grid.Press(Qt::Key_Backspace);  // an empty transmit frequency is none
    grid.Press(Qt::Key_Return);
    QTest::keyClick(Find<QComboBox>(typed.options, "cbTOT"), Qt::Key_End);
    QTest::keyClick(Find<QComboBox>(typed.options, "cbSQL"), Qt::Key_Home);
    ASSERT_EQ(typed.Run(false), SessionOutcome::Success)
        << typed.modals.Log().join('\n').toStdString();

    Window readBack(sim.Device());
    ASSERT_EQ(readBack.Run(true), SessionOutcome::Success);
    EXPECT_EQ(readBack.Shown(), typed.Shown());
    EXPECT_EQ(readBack.grid.RowTexts(0),
              QStringList({"438.00625", "439.10000", "88.5", "D023I", "Low", "Narrow", "CAT"}));

    testing::TempFolder folder;
    const std::string project = folder.File("round-trip.Vkf");
    ASSERT_TRUE(SaveProject(project, readBack.data.image, readBack.data.band));
    const testing::CliTool cli(folder.Path());
    const testing::CliRun show = cli({"show", project});
    EXPECT_EQ(show.exitCode, 0);
    for (const char* value :
         {"438.00625", "439.10000", "88.5", "D023I", "446.10000", "69.0", "470.00000", "600"}) {
        EXPECT_NE(show.out.find(value), std::string::npos) << value << " in\n" << show.out;
    }
}

}  // namespace
}  // namespace radioprog::ui
