// The main window's stories: the first start, New, Open and Save with real files, the close
// prompt, and reading and writing radiosim with the keyboard shortcuts.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "calibration/CalibrationData.h"
#include "mainwindow/ui/MainWindowTexts.h"
#include "model/ProjectFile.h"
#include "support/GridDriver.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

using testing::Radiosim;
namespace fs = std::filesystem;

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> BytesOf(const ProjectImage& image) {
    return {image.Raw().begin(), image.Raw().end()};
}

// A project that differs from a new one: channel 3 on 438.5 MHz.
void EditChannel3(AppData& data) {
    ChannelRecord channel = data.image.Channel(3);
    channel.InitialiseNew(438500000);
    data.image.SetChannelValid(3, true);
}

class MainWindowTest : public testing::MainWindowFixture {
  protected:
    // English, COM1 fixed on device, no auto search.
    void ConfigureEnglishOnDevice(const std::string& device) {
        WriteConfig("[config]\nLanguage=0\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + device +
                    "\n");
    }
    void PressStartInTheNextProgrammingWindow() {
        modals.QueueDialogHandler([](QDialog& dialog) {
            QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
        });
    }
    void PressShortcut(Qt::Key key) {
        // Shortcuts reach only the active window; a closed programming window was the last.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
    }
};

TEST_F(MainWindowTest, TheFirstStartWritesAConfigurationWithTheValuesInForce) {
    ASSERT_FALSE(fs::exists(configPath));
    OpenWindow();
    EXPECT_TRUE(fs::exists(configPath));
    // Simplified Chinese by default; the choice made in the window is kept for the next start.
    EXPECT_EQ(window->windowTitle(), "QM740-2B");
    EXPECT_TRUE(Child<QAction>("MenuLanguage_Chs")->isChecked());
    Child<QAction>("MenuLanguage_En")->trigger();
    CloseWindow();

    ConfigValues saved;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(configPath, saved, band), ConfigLoad::Loaded);
    EXPECT_EQ(saved.languageSetting, 0);
    EXPECT_TRUE(saved.autoSearchPort);
    EXPECT_EQ(saved.portNumber, 1);
}

TEST_F(MainWindowTest, NewClearsTheProjectOnlyWhenConfirmed) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    EditChannel3(data);
    data.lastWriteTime = {2024, 3, 7, 9, 5};
    const std::vector<uint8_t> edited = BytesOf(data.image);

    // Unsaved edits are offered to be saved first; Cancel there, or at the clearing question,
    // keeps everything.
    modals.QueueAnswer(ModalAnswer::Cancel);
    Child<QAction>("MenuFile_New")->trigger();
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueAnswer(ModalAnswer::Cancel);
    Child<QAction>("MenuFile_New")->trigger();
    EXPECT_EQ(BytesOf(data.image), edited);

    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueAnswer(ModalAnswer::Ok);
    QTest::mouseClick(Child<QToolButton>("ToolButton_New"), Qt::LeftButton);
    EXPECT_FALSE(data.image.IsChannelValid(3));
    EXPECT_EQ(data.lastWriteTime, LastWriteTime{});
    EXPECT_EQ(Child<QLabel>("sLastWriteTime")->text(), "0-0-0  0:0");
    const QString save = "Save changes to Untitled?";
    EXPECT_EQ(modals.Log(),
              QStringList({save, save, "Clear all data ?", save, "Clear all data ?"}));
    EXPECT_TRUE(modals.AllAnswersUsed());
}

TEST_F(MainWindowTest, SaveAndOpenUseRealFilesAndReportOnesThatFail) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    EditChannel3(data);
    data.band = {136000000, 174000000};
    const std::string path = folder.File("mine.Vkf");

    modals.QueueFileName(QString::fromStdString(path));
    Child<QAction>("MenuFile_Save")->trigger();
    const std::string file = testing::ReadAll(path);
    ASSERT_EQ(file.size(), kProjectImageSize);
    const std::vector<uint8_t> saved(file.begin(), file.end());
    EXPECT_EQ(BytesOf(data.image), saved);

    modals.QueueAnswer(ModalAnswer::Ok);
    Child<QAction>("MenuFile_New")->trigger();
    data.band = {400000000, 480000000};
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName(QString::fromStdString(path));
    Child<QAction>("MenuFile_Open")->trigger();
    EXPECT_EQ(BytesOf(data.image), saved);
    EXPECT_EQ(data.band, (BandLimits{136000000, 174000000}));
    EXPECT_EQ(Child<QLabel>("sFreqBand")->text(), "136.00000-174.00000");

    // A file that cannot be read or written: a message naming it, and the project as it was.
    modals.ClearLog();
    const std::string unreadable = folder.File("locked.Vkf");
    fs::copy_file(path, unreadable);
    chmod(unreadable.c_str(), 0);
    const bool asRoot = geteuid() == 0;  // root reads any file
    EditChannel3(data);
    data.image.SetChannelValid(5, true);
    const std::vector<uint8_t> current = BytesOf(data.image);
    if (!asRoot) {
        modals.QueueAnswer(ModalAnswer::No);
        modals.QueueFileName(QString::fromStdString(unreadable));
        Child<QAction>("MenuFile_Open")->trigger();
    }
    modals.QueueFileName(QString::fromStdString(folder.File("no-such-folder/x.Vkf")));
    Child<QAction>("MenuFile_SaveAs")->trigger();
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName(QString::fromStdString(folder.File("absent.Vkf")));
    Child<QAction>("MenuFile_Open")->trigger();

    EXPECT_EQ(BytesOf(data.image), current);
    const QStringList log = modals.Log();
    const QStringList expected = asRoot ? QStringList{"no-such-folder", "absent.Vkf"}
                                        : QStringList{"locked.Vkf", "no-such-folder", "absent.Vkf"};
    ASSERT_EQ(log.filter("file dialog").size(), expected.size()) << log.join('|').toStdString();
    const QStringList messages =
        QStringList(log).filter(QRegularExpression("^(?!file dialog|Save changes)"));
    ASSERT_EQ(messages.size(), expected.size()) << log.join('|').toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(messages[i].contains(expected[i])) << messages[i].toStdString();
    }
}

// A channel list or a configuration chosen by mistake in File > Open (or named on the command
// line) is refused with the file's name and why; a short file fills what it holds and says so.
TEST_F(MainWindowTest, FilesThatAreNotProjectsAreRefusedWithNothingChanged) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    EditChannel3(data);
    const std::vector<uint8_t> current = BytesOf(data.image);
    const BandLimits band = data.band;

    const std::string list = folder.File("channels.csv");
    WriteAll(list, "NO.,RX Freq.,TX Freq.\r\n1,146.52000,146.52000\r\n");
    const std::string ini = folder.File("settings.ini");
    WriteAll(ini, "[config]\nPort=1\nLanguage=2\n");
    std::string random(kProjectImageSize, '\0');
    std::mt19937 generator(6);
    std::ranges::generate(random, [&] { return static_cast<char>(generator()); });
    const std::string noise = folder.File("noise.Vkf");
    WriteAll(noise, random);

    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName(QString::fromStdString(list));
    Child<QAction>("MenuFile_Open")->trigger();
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName(QString::fromStdString(ini));
    Child<QAction>("MenuFile_Open")->trigger();
    EXPECT_EQ(BytesOf(data.image), current);
    EXPECT_EQ(data.band, band);
    const QStringList messages =
        modals.Log().filter(QRegularExpression("^(?!file dialog|Save changes)"));
    ASSERT_EQ(messages.size(), 2) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(
        messages[0].contains("channels.csv\" is not a project file: it looks like a channel list"))
        << messages[0].toStdString();
    EXPECT_TRUE(
        messages[1].contains("settings.ini\" is not a project file: it looks like an INI file"))
        << messages[1].toStdString();

    // Random bytes hold no band the radio takes: they open, saying so, and a write refuses them.
    modals.ClearLog();
    EXPECT_TRUE(window->OpenProjectFile(QString::fromStdString(noise)));
    ASSERT_EQ(modals.Log().size(), 1);
    EXPECT_TRUE(modals.Log().front().contains("is not one the radio accepts"))
        << modals.Log().front().toStdString();

    const std::string part = folder.File("part.Vkf");
    WriteAll(part, random.substr(0, 500));
    modals.ClearLog();
    EXPECT_TRUE(window->OpenProjectFile(QString::fromStdString(part)));
    ASSERT_EQ(modals.Log().size(), 1);
    EXPECT_TRUE(modals.Log().front().contains("Only the first 500 bytes of a 2954-byte project"))
        << modals.Log().front().toStdString();
    EXPECT_TRUE(std::equal(random.begin(), random.begin() + 500, data.image.Raw().begin(),
                           [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
}

// Like any desktop program: the title names the file and marks changes, Ctrl+S saves to the
// file in hand without a dialog, File > Recent holds the last eight projects, and file dialogs
// start where the last one was left, also after a restart.
TEST_F(MainWindowTest, TheTitleCtrlSRecentProjectsAndTheLastFolder) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    const QString program = window->windowTitle();
    const fs::path sub = fs::path(folder.Path()) / "customers";
    fs::create_directory(sub);
    const std::string mine = (sub / "mine.Vkf").string();

    modals.QueueFileName(QString::fromStdString(mine));
    Child<QAction>("MenuFile_Save")->trigger();
    EXPECT_EQ(window->windowTitle(), "mine.Vkf[*] - " + program);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(modals.StartFolder(), QString::fromStdString(sub.string()));

    testing::GridDriver grid(Child<QTableView>("StringGrid1"));
    grid.Enter(4, testing::kRx, "439");
    EXPECT_TRUE(window->isWindowModified());
    modals.ClearLog();
    Child<QAction>("MenuFile_Save")->trigger();
    EXPECT_TRUE(modals.Log().isEmpty()) << "no dialog: " << modals.Log().join('|').toStdString();
    EXPECT_EQ(testing::ReadAll(mine),
              std::string(data.image.Raw().begin(), data.image.Raw().end()));
    EXPECT_FALSE(window->isWindowModified());
    Child<QAction>("MenuEdit_Undo")->trigger();
    EXPECT_TRUE(window->isWindowModified()) << "undone after the save: differs from the file";

    for (int i = 1; i <= 9; ++i) {
        modals.QueueFileName(
            QString::fromStdString((sub / ("p" + std::to_string(i) + ".Vkf")).string()));
        Child<QAction>("MenuFile_SaveAs")->trigger();
    }
    auto* recent = Child<QMenu>("MenuFile_Recent");
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->actions().size(), 8);
    EXPECT_EQ(recent->actions().front()->text(),
              "&1 " + QString::fromStdString((sub / "p9.Vkf").string()));
    EXPECT_EQ(recent->actions().back()->text(),
              "&8 " + QString::fromStdString((sub / "p2.Vkf").string()));
    modals.QueueAnswer(ModalAnswer::Ok);
    Child<QAction>("MenuFile_New")->trigger();
    EXPECT_EQ(window->windowTitle(), program);
    recent->actions().at(2)->trigger();
    EXPECT_EQ(window->windowTitle(), "p7.Vkf[*] - " + program);
    EXPECT_EQ(recent->actions().front()->text(),
              "&1 " + QString::fromStdString((sub / "p7.Vkf").string()));

    CloseWindow();
    modals.SetStartFolder({});
    OpenWindow();
    EXPECT_EQ(Child<QMenu>("MenuFile_Recent")->actions().size(), 8);
    EXPECT_EQ(modals.StartFolder(), QString::fromStdString(sub.string()));
    EXPECT_EQ(window->windowTitle(), program);
}

// --config naming something that is not a configuration: the window says so, works on the
// defaults, and leaves the thing alone when it closes.
TEST_F(MainWindowTest, AConfigurationThatCannotBeReadIsReportedAndLeftAlone) {
    const std::string notes = "Radio notes\nno keys in here\n";
    for (const bool isFolder : {true, false}) {
        fs::remove_all(configPath);
        if (isFolder) {
            fs::create_directory(configPath);
        } else {
            WriteConfig(notes);
        }
        modals.ClearLog();
        OpenWindow();
        ASSERT_TRUE(testing::WaitFor([this] { return !modals.Log().isEmpty(); }));
        const QStringList told =
            modals.Log().filter(QString::fromStdString("configuration " + configPath));
        ASSERT_EQ(told.size(), 1) << modals.Log().join('|').toStdString();
        EXPECT_TRUE(told.front().contains(QString::fromStdString(configPath)));
        CloseWindow();
        if (isFolder) {
            EXPECT_TRUE(fs::is_empty(configPath));
        } else {
            EXPECT_EQ(testing::ReadAll(configPath), notes);
        }
    }
}

// A calibration file double-clicked in a file manager: the program asks for the access code
// first and shows the file in the calibration window only for the calibration code.
TEST_F(MainWindowTest, ACalibrationFileFromOutsideOpensOnlyBehindItsAccessCode) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    CalibrationData file;
    ResetCalibrationData(file, data.band);
    file.Set(calib::PinPian_W, uint16_t{777});
    const std::string path = folder.File("radio 7.VKFA");
    ASSERT_TRUE(SaveCalibrationFile(path, file));
    const std::vector<uint8_t> projectBefore = BytesOf(data.image);

    for (const char* code : {"kjrtwh", "mqwr47"}) {
        ResetCalibrationData(data.calibration, data.band);
        modals.ClearLog();
        modals.QueueDialogHandler([code](QDialog& dialog) {
            QTest::keyClicks(testing::Find<QLineEdit>(&dialog, "eInput"), code);
            QTest::mouseClick(testing::Find<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
        });
        const bool opens = std::string(code) == "mqwr47";
        if (opens) {
            modals.QueueDialogHandler([](QDialog& dialog) { dialog.reject(); });
        }
        window->OpenFileFromOutside(QString::fromStdString(path));
        EXPECT_TRUE(modals.AllAnswersUsed()) << code;
        EXPECT_EQ(data.calibration.Get(calib::PinPian_W) == 777, opens) << code;
        EXPECT_EQ(BytesOf(data.image), projectBefore) << code;
    }
}

// On a console, in a package build or for a manual page tool there is no display: help and
// version are answered all the same, and a wrong option is a usage error.
TEST_F(MainWindowTest, HelpAndVersionNeedNoDisplay) {
    const std::string program = testing::BinDir() + "/radioprog";
    const auto runWithoutDisplay = [&](const std::string& option) {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            unsetenv(name);
        }
        const testing::CliRun run = testing::RunProgram({program, option}, folder.Path());
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return run;
    };
    const testing::CliRun help = runWithoutDisplay("--help");
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_NE(help.out.find("--config"), std::string::npos) << help.out;
    const testing::CliRun version = runWithoutDisplay("--version");
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_NE(version.out.find("radioprog"), std::string::npos) << version.out;
    EXPECT_EQ(runWithoutDisplay("--no-such-option").exitCode, 64);
}

// The disk filling up while the project is saved: a file size limit makes every write past
// 1000 bytes fail as a full file system does.
TEST_F(MainWindowTest, ASaveThatRunsOutOfSpaceKeepsTheOldProjectAndLeavesNoTemporaryFile) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    const std::string path = folder.File("mine.Vkf");
    modals.QueueFileName(QString::fromStdString(path));
    Child<QAction>("MenuFile_Save")->trigger();
    const std::string before = testing::ReadAll(path);
    ASSERT_EQ(before.size(), kProjectImageSize);

    EditChannel3(data);
    struct rlimit normal {};
    getrlimit(RLIMIT_FSIZE, &normal);
    struct rlimit full = normal;
    full.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    modals.ClearLog();
    modals.QueueFileName(QString::fromStdString(path));
    Child<QAction>("MenuFile_Save")->trigger();
    setrlimit(RLIMIT_FSIZE, &normal);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(testing::ReadAll(path), before);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"_config.ini", "mine.Vkf"}));
    const QStringList messages = modals.Log().filter("mine.Vkf");
    ASSERT_EQ(messages.size(), 1) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(messages.front().contains("File too large")) << messages.front().toStdString();
}

// The keys a user tries: Ctrl+R leaves the first cell alone selected even though Ctrl is
// still down, Ctrl+Tab and Ctrl+Shift+Tab turn the pages from inside the grid, and every
// command of a menu has an underlined letter of its own, in any language.
TEST_F(MainWindowTest, KeysMoveToOneCellTurnPagesAndReachEveryCommand) {
    WriteConfig("[config]\nLanguage=0\nAutoSeachPort=0\n");
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* grid = Child<QTableView>("StringGrid1");
    grid->setFocus();
    grid->selectionModel()->select(grid->model()->index(4, 2), QItemSelectionModel::Select);
    modals.QueueDialogHandler([](QDialog& dialog) { dialog.reject(); });
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(grid->selectionModel()->selectedIndexes(),
              QModelIndexList({grid->model()->index(0, 0)}));

    auto* pages = Child<QTabWidget>("PageControl_Home");
    // The programming window was the last active one.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 0);

    for (const char* language : {"MenuLanguage_Chs", "MenuLanguage_Cht", "MenuLanguage_En"}) {
        Child<QAction>(language)->trigger();
        for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
            QStringList letters;
            for (const QAction* action : menu->actions()) {
                const qsizetype amp = action->text().indexOf('&');
                if (amp >= 0 && amp + 1 < action->text().size()) {
                    letters << action->text().mid(amp + 1, 1).toUpper();
                } else if (!action->isSeparator()) {
                    ADD_FAILURE() << language << " " << menu->objectName().toStdString()
                                  << ": no letter for " << action->text().toStdString();
                }
            }
            letters.sort();
            EXPECT_EQ(letters, QStringList(letters).removeDuplicates() == 0
                                   ? letters
                                   : QStringList({"a letter used twice"}))
                << language << " " << menu->objectName().toStdString() << ": "
                << letters.join(' ').toStdString();
        }
    }
    EXPECT_FALSE(Child<QAction>("MenuFile_Open")->shortcut().isEmpty());
}

// At a large scale factor a small screen has little room: the window opens inside it,
// centred, the status line on screen.
TEST_F(MainWindowTest, TheWindowOpensCentredInsideTheScreen) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    const QRect room = window->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(window->frameGeometry()))
        << room.height() << " " << window->frameGeometry().height();
    EXPECT_LE(std::abs(window->frameGeometry().center().x() - room.center().x()), 2);
    EXPECT_TRUE(room.contains(Child<QLabel>("sFreqBand")->mapToGlobal(QPoint(0, 0))));
}

TEST_F(MainWindowTest, TheClosePromptKeepsTheWindowUnlessTheProjectIsSavedOrDropped) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    const std::string path = folder.File("closing.Vkf");

    modals.QueueAnswer(ModalAnswer::Cancel);
    window->close();
    EXPECT_TRUE(window->isVisible());

    // Yes, then the save dialog cancelled: nothing saved, so the window stays.
    modals.QueueAnswer(ModalAnswer::Yes);
    modals.QueueFileName(QString());
    Child<QAction>("MenuFile_Exit")->trigger();
    EXPECT_TRUE(window->isVisible());

    modals.QueueAnswer(ModalAnswer::Yes);
    modals.QueueFileName(QString::fromStdString(path));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fs::exists(path));

    // No closes without a file dialog.
    window->show();
    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(modals.Log(), QStringList({"Do you want to save data ?"}));
    EXPECT_TRUE(modals.AllAnswersUsed());
}

TEST_F(MainWindowTest, AWriteStartedWhileAFrequencyIsTypedStoresItFirst) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    testing::GridDriver grid(Child<QTableView>("StringGrid1"));
    grid.TypeInto(2, testing::kRx, "438.5");
    ASSERT_NE(grid.OpenEditor(), nullptr);

    bool storedBeforeTheWindow = false;
    modals.QueueDialogHandler([&](QDialog& dialog) {
        storedBeforeTheWindow =
            data.image.IsChannelValid(3) && data.image.Channel(3).RxFreq() == 438500000;
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QToolButton>("ToolButton_Write"), Qt::LeftButton);

    EXPECT_TRUE(storedBeforeTheWindow);
    EXPECT_EQ(grid.OpenEditor(), nullptr);
    EXPECT_TRUE(modals.AllAnswersUsed());
}

// A blank project written over a radio clears its channels: the window asks first, and only
// OK opens the programming window.
TEST_F(MainWindowTest, WritingAProjectWithoutChannelsAsksFirst) {
    WriteConfig("[config]\nLanguage=0\n");
    OpenWindow();
    for (int n = 1; n <= kChannelCount; ++n) {
        data.image.SetChannelValid(n, false);
    }
    const QString question =
        "This project has no channels: writing it clears all 16 channels of the radio. Write "
        "anyway?";
    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Cancel);
    Child<QAction>("MenuEdit_Write")->trigger();
    EXPECT_EQ(modals.Log(), QStringList({question}));

    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Ok);
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
    });
    Child<QAction>("MenuEdit_Write")->trigger();
    EXPECT_EQ(modals.Log(), QStringList({question, "dialog: TProgramDialog"}));
    EXPECT_TRUE(modals.AllAnswersUsed());

    EditChannel3(data);
    modals.ClearLog();
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
    });
    Child<QAction>("MenuEdit_Write")->trigger();
    EXPECT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog"})) << "a channel: no question";
}

// The questions this tool asks of its own say "Cancel"; the radio's own boxes (New's "Clear
// all data ?", the close prompt) keep the word they have always had.
TEST_F(MainWindowTest, OurOwnQuestionsSayCancelAndTheRadiosOwnBoxesKeepTheirWord) {
    const QString chineseCancel = QString::fromUtf8("取消");
    const struct {
        int language;
        QString ours;
        QString radios;
    } languages[] = {{0, "Cancel", "Cannel"},
                     {1, chineseCancel, chineseCancel},
                     {2, chineseCancel, chineseCancel}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        WriteConfig("[config]\nLanguage=" + std::to_string(l.language) + "\n");
        OpenWindow();
        for (int n = 1; n <= kChannelCount; ++n) {
            data.image.SetChannelValid(n, false);
        }
        modals.ClearLog();
        modals.QueueAnswer(ModalAnswer::Cancel);
        Child<QAction>("MenuEdit_Write")->trigger();  // a project without channels

        testing::GridDriver grid(Child<QTableView>("StringGrid1"));
        grid.Enter(0, 0, "999");  // stored on the band's upper limit
        modals.QueueAnswer(ModalAnswer::Cancel);
        Child<QAction>("MenuEdit_Write")->trigger();  // a value stored otherwise than typed

        modals.QueueAnswer(ModalAnswer::Cancel);
        Child<QAction>("MenuFile_Open")->trigger();  // "Save changes to ...?"
        ASSERT_EQ(modals.ButtonLog().size(), 3);
        for (const QStringList& buttons : modals.ButtonLog()) {
            EXPECT_EQ(buttons.last(), l.ours) << buttons.join('|').toStdString();
        }

        modals.ClearLog();
        modals.QueueAnswer(ModalAnswer::No);
        modals.QueueAnswer(ModalAnswer::Cancel);
        Child<QAction>("MenuFile_New")->trigger();
        modals.QueueAnswer(ModalAnswer::Cancel);
        window->close();
        ASSERT_EQ(modals.ButtonLog().size(), 3);
        EXPECT_EQ(modals.ButtonLog()[0].last(), l.ours) << "Save changes to ...?";
        EXPECT_EQ(modals.ButtonLog()[1].last(), l.radios) << "Clear all data ?";
        EXPECT_EQ(modals.ButtonLog()[2].last(), l.radios) << "the close prompt";
        EXPECT_TRUE(modals.AllAnswersUsed());
        CloseWindow();
    }
}

TEST_F(MainWindowTest, ShortcutsWriteTheProjectToARadioAndReadTheSameChannelsBack) {
    Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    ConfigureEnglishOnDevice(sim.Device());
    OpenWindow();
    EditChannel3(data);
    data.image.Channel(3).SetTxTone(1, 885);
    const std::vector<uint8_t> written = BytesOf(data.image);

    PressStartInTheNextProgrammingWindow();
    modals.QueueAnswer(ModalAnswer::Cancel);  // no next radio
    PressShortcut(Qt::Key_W);
    // Backed up, written and read back: one success, which counts the radio.
    ASSERT_EQ(modals.Log(), QStringList({"dialog: TProgramDialog",
                                         "SUCCESS\n\nRadios written since the window opened: 1"}));
    // The radio now carries the time of this write, and the window says so.
    const LastWriteTime stamped = data.lastWriteTime;
    EXPECT_NE(stamped.year, 0);
    EXPECT_EQ(Child<QLabel>("sLastWriteTime")->text(), LastWriteTimeText(stamped));

    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueAnswer(ModalAnswer::Ok);
    Child<QAction>("MenuFile_New")->trigger();
    ASSERT_FALSE(data.image.IsChannelValid(3));
    PressStartInTheNextProgrammingWindow();
    PressShortcut(Qt::Key_R);

    EXPECT_EQ(modals.Log().last(), "SUCCESS");
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(data.image.IsChannelValid(n), n == 3) << n;
    }
    const auto channel = [](const std::vector<uint8_t>& bytes) {
        ProjectImage image;
        std::copy(bytes.begin(), bytes.end(), image.Raw().begin());
        const ChannelRecord r = image.Channel(3);
        return std::vector<uint8_t>(r.Bytes().begin(), r.Bytes().end());
    };
    EXPECT_EQ(channel(BytesOf(data.image)), channel(written));
    // The read redrew the window: the write stamped today into the radio.
    EXPECT_NE(data.lastWriteTime.year, 0);
    EXPECT_EQ(Child<QLabel>("sLastWriteTime")->text(), LastWriteTimeText(data.lastWriteTime));
}

}  // namespace
}  // namespace radioprog::ui
