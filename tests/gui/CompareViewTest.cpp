// File > Compare with file... and with radio...: the project in the window beside a file or a
// radio in the compare view, differing cells marked, identical channels folded; a file that
// cannot be read is reported.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <fstream>

#include "history/RadioHistory.h"
#include "model/ProjectFields.h"
#include "model/ProjectFile.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

class CompareViewTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        OpenWindow();
        window->findChild<QAction*>("MenuLanguage_En")->trigger();
        for (const int n : {1, 3}) {
            data.image.Channel(n).InitialiseNew(446006250);
            data.image.SetChannelValid(n, true);
        }
        window->RefreshFromModel();
    }
    void Compare(const std::string& file) {
        modals.QueueFileName(QString::fromStdString(file));
        window->findChild<QAction*>("MenuFile_CompareFile")->trigger();
    }
    static bool Marked(const QTableWidgetItem* item) {
        return item != nullptr && item->font().bold() && item->background().style() != Qt::NoBrush;
    }
};

TEST_F(CompareViewTest, ShowsTheDifferingCellsMarkedAndTheIdenticalChannelsFolded) {
    ProjectImage other = data.image;
    other.Channel(3).SetRxFreq(446100000);
    other.Set(settings::Sql, static_cast<uint8_t>(data.image.Get(settings::Sql) == 7 ? 6 : 7));
    const std::string file = folder.File("other.Vkf");
    ASSERT_TRUE(SaveProject(file, other, data.band));

    QStringList rows[2];
    bool rxMarked[2] = {};
    bool nameMarked = true;
    QStringList titles;
    int optionRowsMarked = 0;
    int rowsUnfolded = 0;
    modals.QueueDialogHandler([&](QDialog& view) {
        const char* names[2] = {"gLeftChannels", "gRightChannels"};
        for (int side = 0; side < 2; ++side) {
            auto* table = view.findChild<QTableWidget*>(names[side]);
            ASSERT_NE(table, nullptr);
            for (int row = 0; row < table->rowCount(); ++row) {
                rows[side].push_back(table->item(row, 0)->text());
            }
            rxMarked[side] = Marked(table->item(1, 1));
            nameMarked = nameMarked && Marked(table->item(1, 8));
        }
        titles << view.findChild<QLabel*>("sLeftTitle")->text()
               << view.findChild<QLabel*>("sRightTitle")->text();
        auto* options = view.findChild<QTableWidget*>("gOptions");
        for (int row = 0; row < options->rowCount(); ++row) {
            optionRowsMarked += Marked(options->item(row, 1)) ? 1 : 0;
        }
        view.findChild<QCheckBox*>("cShowIdentical")->click();
        rowsUnfolded = view.findChild<QTableWidget*>("gRightChannels")->rowCount();
        view.reject();
    });
    Compare(file);

    EXPECT_TRUE(modals.AllAnswersUsed());
    const QStringList expected{"Channels 1-2: identical", "3", "Channels 4-16: identical"};
    EXPECT_EQ(rows[0], expected);
    EXPECT_EQ(rows[1], expected);
    EXPECT_TRUE(rxMarked[0] && rxMarked[1]);
    EXPECT_FALSE(nameMarked) << "the name is the same on both sides";
    EXPECT_EQ(titles, (QStringList{"Current project", "File: other.Vkf"}));
    EXPECT_EQ(optionRowsMarked, 1);
    EXPECT_EQ(rowsUnfolded, kChannelCount);
}

TEST_F(CompareViewTest, AFileThatIsNoProjectIsReportedAndNothingIsCompared) {
    const std::string file = folder.File("notes.Vkf");
    std::ofstream(file) << "a shopping list\n";
    Compare(file);
    EXPECT_TRUE(modals.AllAnswersUsed());
    // The file dialog, then the box; no compare view.
    ASSERT_EQ(modals.Log().size(), 2) << modals.Log().join(';').toStdString();
    EXPECT_TRUE(modals.Log()[1].startsWith("Cannot open the file\n\"" +
                                           QString::fromStdString(file) + "\" is not a project"))
        << modals.Log()[1].toStdString();
}

TEST_F(CompareViewTest, CompareWithRadioReadsIntoACopyAndLeavesTheProjectAsItIs) {
    testing::Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    data.port.source.explicitPorts = {{1, sim.Device()}};
    data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
    data.port.autoSearchPort = false;
    data.port.portNumber = 1;
    data.config.historyFolder = folder.File("history");
    const ProjectImage before = data.image;

    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
    });
    QString rightTitle;
    int differingRows = 0;
    modals.QueueDialogHandler([&](QDialog& view) {
        rightTitle = view.findChild<QLabel*>("sRightTitle")->text();
        auto* table = view.findChild<QTableWidget*>("gRightChannels");
        for (int row = 0; row < table->rowCount(); ++row) {
            differingRows += Marked(table->item(row, 1)) ? 1 : 0;
        }
        view.reject();
    });
    window->findChild<QAction*>("MenuFile_CompareRadio")->trigger();

    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_EQ(rightTitle, "Radio");
    EXPECT_GT(differingRows, 0);  // the radio's factory channels are not the project's
    EXPECT_TRUE(std::ranges::equal(data.image.Raw(), before.Raw()));
    EXPECT_FALSE(window->findChild<QAction*>("MenuEdit_Undo")->isEnabled());
    const auto kept = ListHistory(data.config.historyFolder);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].job, HistoryJob::Read);
}

// A legacy radio's read clears the serial number and sets the saver ratio by its own rule: the
// view compares only what that radio holds and names the rest, so neither shows as a difference.
TEST_F(CompareViewTest, CompareWithRadioComparesOnlyWhatThatRadioHolds) {
    testing::Radiosim sim({"--kind", "legacy"});
    ASSERT_FALSE(sim.Device().empty());
    data.port.source.explicitPorts = {{1, sim.Device()}};
    data.port.autoSearchPort = false;
    data.port.portNumber = 1;
    data.config.historyEnabled = false;
    data.image.SetText(image::DeviceSn, "RP-0042");

    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
    });
    QString notHeld;
    QStringList markedSettings;
    modals.QueueDialogHandler([&](QDialog& view) {
        if (auto* label = view.findChild<QLabel*>("sNotHeldByRadio")) {
            notHeld = label->text();
        }
        auto* options = view.findChild<QTableWidget*>("gOptions");
        for (int row = 0; row < options->rowCount(); ++row) {
            if (Marked(options->item(row, 2))) {
                markedSettings << options->item(row, 0)->text();
            }
        }
        view.reject();
    });
    window->findChild<QAction*>("MenuFile_CompareRadio")->trigger();

    ASSERT_TRUE(modals.AllAnswersUsed());
    EXPECT_TRUE(notHeld.startsWith("Not compared, as a radio of kind legacy does not hold them: "))
        << notHeld.toStdString();
    EXPECT_TRUE(notHeld.contains("DeviceSn")) << notHeld.toStdString();
    for (const QString& setting : markedSettings) {
        EXPECT_FALSE(notHeld.contains(setting)) << setting.toStdString() << " is not held";
    }
}

}  // namespace
}  // namespace radioprog::ui
