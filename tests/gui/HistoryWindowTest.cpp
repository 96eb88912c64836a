// The history of reads in the window: a read from the radio is kept, and "Radio history..."
// shows the kept reads and opens one as the current project, one step that Undo takes back.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "history/HistoryKeep.h"
#include "history/HistoryLabel.h"
#include "history/ui/HistoryWindow.h"
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

// The window on its own over a history of three entries on three days.
class HistoryFindingTest : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    HistoryFindingTest() {
        data.lang.SetLangType(THaldenFuncs::TLangType::English);
        const HistorySettings settings{true, history, 500};
        EXPECT_TRUE(KeepProjectInHistory(
            settings, {HistoryJob::Read, RadioKind::Y, {}, LocalDay(2026, 3, 1)},
            ProjectWith({{1, 145512500}}), BandLimits{136000000, 174000000}, &fire));
        EXPECT_TRUE(KeepProjectInHistory(
            settings, {HistoryJob::Backup, RadioKind::S, {}, LocalDay(2026, 3, 2)},
            ProjectWith({{1, 438500000}, {2, 439000000}}), BandLimits{400000000, 480000000},
            &taxi));
        CalibrationData calibration;
        calibration.SetPoint(0, {400, 1, 2, 3, 4, 5});
        EXPECT_TRUE(KeepCalibrationInHistory(
            settings, {HistoryJob::CalibrationRead, RadioKind::Legacy, {}, LocalDay(2026, 3, 3)},
            calibration));
        for (const auto& [path, label] :
             {std::pair{fire, "Fire brigade, job 4711"}, std::pair{taxi, "Taxi Müller 出租车"}}) {
            HistoryEntry entry;
            entry.path = path;
            EXPECT_TRUE(SetHistoryLabel(entry, label));
        }
    }
    static std::time_t LocalDay(int year, int month, int day) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        return std::mktime(&local);
    }
    HistoryWindow& Open() {
        window =
            std::make_unique<HistoryWindow>(context, HistorySettings{true, history, 500}, nullptr);
        window->show();
        list = testing::Find<QTableView>(window.get(), "HistoryList");
        return *window;
    }
    // The labels of the rows shown, top to bottom.
    QStringList Shown() const {
        QStringList rows;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            rows << list->model()->index(row, 6).data().toString();
        }
        return rows;
    }
    testing::CliRun Cli(const std::vector<std::string>& args) const {
        std::vector<std::string> argv = {testing::BinDir() + "/radioprog-cli", "--config",
                                         folder.File("cli.ini"), "--history", history};
        argv.insert(argv.end(), args.begin(), args.end());
        return testing::RunProgram(argv, folder.Path());
    }

    std::string history = folder.File("history");
    std::string fire;
    std::string taxi;
    std::unique_ptr<HistoryWindow> window;
    QTableView* list = nullptr;
};

TEST_F(HistoryFindingTest, ALabelFromTheCommandLineShowsHereAndOneTypedHereShowsThere) {
    ASSERT_EQ(Cli({"history", "label", "1", "Bench 3, ready"}).exitCode, 0);
    Open();
    EXPECT_EQ(Shown(),
              QStringList({"Bench 3, ready", "Taxi Müller 出租车", "Fire brigade, job 4711"}));

    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::mouseClick(testing::Find<QPushButton>(window.get(), "bLabel"), Qt::LeftButton);
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "the label is being edited";
    // Typed as an input method hands over text, the last words key by key.
    editor->setText(QString::fromUtf8("客户"));
    QTest::keyClicks(editor, " Wang, radio 2");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible()) << "Enter ends the edit, it opens nothing";
    EXPECT_EQ(Shown().last(), QString::fromUtf8("客户 Wang, radio 2"));

    const testing::CliRun listed = Cli({"history"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("3  2026-03-01"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("label: 客户 Wang, radio 2\n"), std::string::npos) << listed.out;
    EXPECT_EQ(listed.out.find("Fire brigade"), std::string::npos) << listed.out;

    // A label that cannot be one is refused in a box and the one there stays.
    modals.QueueAnswer(ModalAnswer::Ok);
    EXPECT_FALSE(list->model()->setData(list->model()->index(0, 6), "two\nlines"));
    ASSERT_FALSE(modals.Log().isEmpty());
    EXPECT_TRUE(modals.Log().last().startsWith("The label could not be saved"))
        << modals.Log().last().toStdString();
    EXPECT_EQ(Shown().first(), "Bench 3, ready");
    EXPECT_EQ(Cli({"history", "label", "1", "tab\there"}).exitCode, 64);
    EXPECT_EQ(Cli({"history", "show", "1"}).out.rfind("Label: Bench 3, ready\n", 0), 0u);
}

TEST_F(HistoryFindingTest, TheSearchFiltersAsOneTypesByLabelDateKindAndFrequency) {
    Open();
    auto* search = testing::Find<QLineEdit>(window.get(), "eSearch");
    const QString all = "";
    const QString fireLabel = "Fire brigade, job 4711";
    const QString taxiLabel = QString::fromUtf8("Taxi Müller 出租车");
    const std::pair<const char*, QStringList> searches[] = {
        {"fire", {fireLabel}},       {"出租", {taxiLabel}},
        {"2026-03-02", {taxiLabel}}, {"03-0", {all, taxiLabel, fireLabel}},
        {"y", {fireLabel}},          {"legacy", {all}},
        {"calibration", {all}},      {"backup", {taxiLabel}},
        {"145.5", {fireLabel}},      {"439", {taxiLabel}},
        {"400", {all, taxiLabel}},  // a calibration point; a band edge
        {"taxi 145.5", {}},
    };
    for (const auto& [typed, labels] : searches) {
        search->clear();
        const QString text = QString::fromUtf8(typed);
        // Chinese comes from an input method as text, the rest key by key.
        if (text.toLatin1() == typed) {
            QTest::keyClicks(search, text);
        } else {
            search->insert(text);
        }
        EXPECT_EQ(Shown(), labels) << typed;
    }

    // The entry shown below the list is one the list shows.
    search->clear();
    QTest::keyClicks(search, "439");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible()) << "Enter goes to what was found, it opens nothing";
    EXPECT_EQ(list->currentIndex().row(), 0);
    auto* preview = testing::Find<QTableView>(window.get(), "HistoryPreview");
    EXPECT_EQ(preview->model()->index(1, 0).data().toString(), "439.00000");
    search->clear();
    QTest::keyClicks(search, "fire");
    const bool chosen = list->currentIndex().isValid();
    EXPECT_EQ(preview->model()->index(0, 0).data().toString(), chosen ? "145.51250" : "")
        << "the taxi, no longer listed, is no longer shown";
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "bOpen")->isEnabled(), chosen);

    // Days: from the 2nd on, then the 2nd alone, both ends counted.
    search->clear();
    auto* from = testing::Find<QDateEdit>(window.get(), "eDateFrom");
    auto* to = testing::Find<QDateEdit>(window.get(), "eDateTo");
    EXPECT_FALSE(from->isEnabled());
    from->setDate(QDate(2026, 3, 2));
    EXPECT_EQ(Shown().size(), 3) << "the dates count only once the box is ticked";
    testing::Find<QCheckBox>(window.get(), "cDates")->setChecked(true);
    EXPECT_EQ(Shown(), QStringList({all, taxiLabel}));
    to->setDate(QDate(2026, 3, 2));
    EXPECT_EQ(Shown(), QStringList({taxiLabel}));
    QTest::keyClicks(search, "fire");
    EXPECT_EQ(Shown(), QStringList());
}

TEST_F(HistoryFindingTest, TheListTakesTheWindowsHeightAndTheChannelsShowWhole) {
    Open();
    auto* preview = testing::Find<QTableView>(window.get(), "HistoryPreview");
    window->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();
    const auto wholeChannels = [preview] {
        const int last = kChannelCount - 1;
        return preview->rowViewportPosition(last) + preview->rowHeight(last) <=
               preview->viewport()->height();
    };
    EXPECT_TRUE(wholeChannels());
    const int listHeight = list->height();
    const int previewHeight = preview->height();
    window->resize(900, 1000);
    QApplication::processEvents();
    EXPECT_EQ(preview->height(), previewHeight);
    EXPECT_EQ(list->height(), listHeight + 300);
    EXPECT_TRUE(wholeChannels());
}

}  // namespace
}  // namespace radioprog::ui
