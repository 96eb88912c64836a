// The history of reads in the window: a read from the radio is kept, and "Radio history..."
// shows the kept reads and opens one as the current project, one step that Undo takes back.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "history/HistoryKeep.h"
#include "model/ProjectFile.h"
#include "session/ui/ProgramDialog.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

std::time_t Today(int hour, int minute) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = 0;
    return std::mktime(&local);
}

// A project of the band with a channel in use on each of the frequencies.
ProjectImage ProjectWith(std::initializer_list<std::pair<int, uint32_t>> channels) {
    ProjectImage image;
    image.ResetToDefaults();
    for (const auto& [n, hz] : channels) {
        image.Channel(n).InitialiseNew(hz);
        image.SetChannelValid(n, true);
    }
    return image;
}

// The project as Save writes it: the band copy inside the image follows the working band and
// is no part of an undo step.
Bytes SavedBytes(ProjectImage image, const BandLimits& band) {
    image.Set(image::BandUpper, band.upper);
    image.Set(image::BandLower, band.lower);
    return {image.Raw().begin(), image.Raw().end()};
}

Bytes FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HistoryWindowTest : public testing::MainWindowFixture {
  protected:
    void OpenEnglishWindow(const std::string& device = "/dev/null") {
        WriteConfig("[config]\nLanguage=0\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + device +
                    "\n[History]\nFolder=" + history + "\n");
        OpenWindow();
        grid = Child<QTableView>("StringGrid1");
    }
    QString GridText(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    void PressUndo() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    }

    std::string history = folder.File("history");
    QTableView* grid = nullptr;
};

TEST_F(HistoryWindowTest, AKeptReadOpensAsTheProjectAndUndoTakesTheOldProjectBack) {
    const HistorySettings settings{true, history, 500};
    const BandLimits vhf{136000000, 174000000};
    const ProjectImage older = ProjectWith({{1, 145500000}, {2, 146000000}});
    ASSERT_TRUE(KeepProjectInHistory(
        settings, {HistoryJob::Read, RadioKind::Y, {2026, 3, 4, 5, 6}, Today(9, 0)}, older, vhf));
    const ProjectImage newer = ProjectWith({{5, 438500000}});
    ASSERT_TRUE(KeepProjectInHistory(settings, {HistoryJob::Backup, RadioKind::S, {}, Today(10, 0)},
                                     newer, BandLimits{400000000, 480000000}));
    CalibrationData calibration;
    calibration.SetPoint(0, {400, 1, 2, 3, 4, 5});
    ASSERT_TRUE(KeepCalibrationInHistory(
        settings, {HistoryJob::CalibrationRead, RadioKind::S, {}, Today(11, 0)}, calibration));

    OpenEnglishWindow();
    // The project of the moment, with a change the grid has not made a step of yet.
    data.image.Channel(3).InitialiseNew(430000000);
    data.image.SetChannelValid(3, true);
    const Bytes before = SavedBytes(data.image, data.band);
    const BandLimits bandBefore = data.band;

    modals.QueueDialogHandler([&](QDialog& dialog) {
        auto* list = testing::Find<QTableView>(&dialog, "HistoryList");
        auto* preview = testing::Find<QTableView>(&dialog, "HistoryPreview");
        auto* open = testing::Find<QPushButton>(&dialog, "bOpen");
        const auto cell = [list](int row, int column) {
            return list->model()->index(row, column).data().toString();
        };
        ASSERT_EQ(list->model()->rowCount(), 3);
        EXPECT_EQ(cell(0, 2), "Calibration read");
        EXPECT_FALSE(open->isEnabled()) << "nothing selected yet";
        list->setCurrentIndex(list->model()->index(0, 0));
        EXPECT_TRUE(open->isEnabled()) << "calibration data opens in the calibration window";
        EXPECT_FALSE(open->toolTip().isEmpty());
        EXPECT_EQ(testing::Find<QLabel>(&dialog, "sDetail")->text(), "Calibration points: 400 MHz");

        EXPECT_EQ(QStringList({cell(1, 1), cell(1, 2), cell(1, 3), cell(1, 4), cell(1, 5)}),
                  QStringList({"S", "Backup", "400-480 MHz", "1", ""}));
        EXPECT_EQ(QStringList({cell(2, 1), cell(2, 2), cell(2, 3), cell(2, 4), cell(2, 5)}),
                  QStringList({"Y", "Read", "136-174 MHz", "2", "2026-03-04 05:06"}));
        EXPECT_TRUE(cell(2, 0).endsWith("09:00:00")) << cell(2, 0).toStdString();

        list->setCurrentIndex(list->model()->index(2, 0));
        EXPECT_EQ(preview->model()->index(0, 0).data().toString(), "145.50000");
        EXPECT_EQ(preview->model()->index(1, 0).data().toString(), "146.00000");
        EXPECT_EQ(preview->model()->index(2, 0).data().toString(), "");
        EXPECT_FALSE(preview->model()->flags(preview->model()->index(0, 0)) & Qt::ItemIsEditable);
        ASSERT_TRUE(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
    });
    Child<QAction>("MenuFile_History")->trigger();
    ASSERT_TRUE(modals.AllAnswersUsed());

    EXPECT_EQ(SavedBytes(data.image, data.band), SavedBytes(older, vhf));
    EXPECT_EQ(data.band, vhf);
    EXPECT_EQ(GridText(0, 0), "145.50000");
    EXPECT_EQ(GridText(2, 0), "");
    EXPECT_EQ(Child<QLabel>("sLastWriteTime")->text(), "2026-3-4  5:06");

    PressUndo();
    EXPECT_EQ(SavedBytes(data.image, data.band), before)
        << "the project as it was, its last change too";
    EXPECT_EQ(data.band, bandBefore);
    EXPECT_EQ(GridText(2, 0), "430.00000");
}

TEST_F(HistoryWindowTest, AKeptCalibrationOpensInTheCalibrationWindowBehindItsCode) {
    CalibrationData kept;
    kept.SetPoint(0, {400, 1, 2, 3, 4, 5});
    ASSERT_TRUE(KeepCalibrationInHistory(
        {true, history, 500}, {HistoryJob::CalibrationBackup, RadioKind::S, {}, {}}, kept));
    OpenEnglishWindow();
    ASSERT_NE(data.calibration.Point(0), kept.Point(0));

    modals.QueueDialogHandler([](QDialog& dialog) {
        auto* list = testing::Find<QTableView>(&dialog, "HistoryList");
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "bOpen"), Qt::LeftButton);
    });
    modals.QueueDialogHandler([](QDialog& dialog) {
        testing::Find<QLineEdit>(&dialog, "eInput")->setText("mqwr47");
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
    });
    QString shown;
    modals.QueueDialogHandler([&shown](QDialog& dialog) {
        shown = dialog.objectName();
        dialog.close();
    });
    Child<QAction>("MenuFile_History")->trigger();

    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_EQ(shown, "TAdjustmentDlg");
    EXPECT_EQ(data.calibration.Point(0), kept.Point(0));
}

TEST_F(HistoryWindowTest, AReadFromTheRadioLeavesExactlyOneEntryWithTheReadProject) {
    testing::Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());
    OpenEnglishWindow(sim.Device());
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
    });
    Child<QAction>("MenuEdit_Read")->trigger();
    ASSERT_EQ(modals.Log().last(), "SUCCESS");

    std::vector<fs::path> kept;
    for (const auto& item : fs::directory_iterator(history)) {
        kept.push_back(item.path());
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(kept.front().filename().string().find("_Y_read_w"), std::string::npos)
        << kept.front();
    const std::string saved = folder.File("saved.Vkf");
    ASSERT_TRUE(SaveProject(saved, data.image, data.band));
    EXPECT_EQ(FileBytes(kept.front()), FileBytes(saved));
    struct stat info {};
    ASSERT_EQ(stat(kept.front().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// The calibration window's jobs run in the programming window as below: a calibration read is
// kept, the chip's live status is no read of the radio's data and is not.
TEST_F(HistoryWindowTest, ACalibrationReadIsKeptAndAChipStatusIsNot) {
    testing::Radiosim sim({"--kind", "S", "--status", "7B 11 22 A4 00 80 80 00 3C 01 2C"});
    ASSERT_FALSE(sim.Device().empty());
    data.config.historyFolder = history;
    data.port.source.explicitPorts = {{1, sim.Device()}};
    data.port.portNumber = 1;
    data.port.autoSearchPort = false;
    const auto start = [this] {
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        });
    };

    start();
    ASSERT_EQ(RunProgramDialog(context, nullptr, {SessionMode::ChipStatus, true, "Status", {}}),
              SessionOutcome::Success);
    EXPECT_FALSE(fs::exists(history));

    start();
    ASSERT_EQ(RunProgramDialog(context, nullptr, {SessionMode::Calibration, true, "Read", {}}),
              SessionOutcome::Success);
    std::vector<fs::path> kept;
    for (const auto& item : fs::directory_iterator(history)) {
        kept.push_back(item.path());
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(kept.front().filename().string().find("_S_calibration-read.vkfa"), std::string::npos)
        << kept.front();
    const std::string saved = folder.File("saved.vkfa");
    ASSERT_TRUE(SaveCalibrationFile(saved, data.calibration));
    EXPECT_EQ(FileBytes(kept.front()), FileBytes(saved));
}

}  // namespace
}  // namespace radioprog::ui
