// The technician's project is never lost or overwritten by surprise: Open, Recent and New offer
// to save unsaved edits first, what a radio holds becomes an untitled project that Save names
// instead of writing over the file that was open, Save As has its key, and saving leaves the
// user on the page they were on.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>

#include "model/ProjectFile.h"
#include "support/GridDriver.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

class ProjectProtectionTest : public testing::MainWindowFixture {
  protected:
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), key, modifiers);
    }
    void EnterRx(int row, const char* mhz) {
        testing::GridDriver(Child<QTableView>("StringGrid1")).Enter(row, testing::kRx, mhz);
    }
    std::string Saved(const std::string& path) const { return testing::ReadAll(path); }
    std::string Project() const { return {data.image.Raw().begin(), data.image.Raw().end()}; }
};

TEST_F(ProjectProtectionTest, OpenRecentAndNewOfferToSaveUnsavedEditsFirst) {
    WriteConfig("[config]\nLanguage=1\n");  // simplified Chinese
    OpenWindow();
    const std::string mine = folder.File("mine.Vkf");
    const std::string other = folder.File("other.Vkf");
    for (const std::string& path : {mine, other}) {
        modals.QueueFileName(QString::fromStdString(path));
        Child<QAction>("MenuFile_SaveAs")->trigger();
    }
    const std::string blank = Saved(mine);
    EnterRx(2, "439");
    const std::string edited = Project();
    const QString question = QString::fromUtf8("保存对 other.Vkf 的更改吗？");

    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Cancel);  // Ctrl+O: keep everything
    Key(Qt::Key_O);
    EXPECT_EQ(modals.Log(), QStringList({question})) << "no file dialog after Cancel";
    EXPECT_EQ(Project(), edited);
    EXPECT_TRUE(window->isWindowModified());

    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::Yes);  // Recent: saved to its own file first, then opened
    Child<QMenu>("MenuFile_Recent")->actions().at(1)->trigger();
    EXPECT_EQ(modals.Log(), QStringList({question}));
    EXPECT_EQ(Saved(other), edited);
    EXPECT_EQ(Project(), blank);

    EnterRx(5, "440");
    modals.ClearLog();
    modals.QueueAnswer(ModalAnswer::No);  // Ctrl+N: not saved, then the clearing question
    modals.QueueAnswer(ModalAnswer::Ok);
    Key(Qt::Key_N);
    ASSERT_EQ(modals.Log().size(), 2);
    EXPECT_EQ(modals.Log().first(), QString::fromUtf8("保存对 mine.Vkf 的更改吗？"));
    EXPECT_EQ(Saved(mine), blank);
    EXPECT_FALSE(data.image.IsChannelValid(6));

    modals.ClearLog();
    Key(Qt::Key_N);  // nothing unsaved: only the clearing question
    EXPECT_EQ(modals.Log().size(), 1);
    EXPECT_FALSE(modals.Log().first().contains(QString::fromUtf8("保存")));
}

TEST_F(ProjectProtectionTest, WhatARadioHoldsIsUntitledAndSaveNamesItRatherThanOverwriting) {
    testing::Radiosim sim({"--kind", "Y"});
    ASSERT_FALSE(sim.Device().empty());
    WriteConfig("[config]\nLanguage=0\nPort=1\nAutoSeachPort=0\n[ports]\nCOM1=" + sim.Device() +
                "\n");
    OpenWindow();
    const std::string customer = folder.File("customer-a.Vkf");
    modals.QueueFileName(QString::fromStdString(customer));
    Child<QAction>("MenuFile_Save")->trigger();
    const std::string customerBytes = Saved(customer);

    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::mouseClick(testing::Find<QPushButton>(&dialog, "ProgramStart"), Qt::LeftButton);
    });
    Key(Qt::Key_R);
    ASSERT_EQ(modals.Log().last(), "SUCCESS") << modals.Log().join('|').toStdString();
    EXPECT_TRUE(
        window->windowTitle().contains(QRegularExpression("^Read from radio \\d\\d:\\d\\d")))
        << window->windowTitle().toStdString();
    EXPECT_TRUE(window->isWindowModified()) << "what came from the radio is in no file yet";

    modals.ClearLog();
    const std::string radioCopy = folder.File("radio-b.Vkf");
    modals.QueueFileName(QString::fromStdString(radioCopy));
    Key(Qt::Key_S);  // Ctrl+S asks for a name: the open project's file is not the radio's
    EXPECT_EQ(modals.Log().filter("file dialog").size(), 1) << modals.Log().join('|').toStdString();
    EXPECT_EQ(Saved(customer), customerBytes);
    EXPECT_EQ(Saved(radioCopy), Project());
    EXPECT_TRUE(window->windowTitle().startsWith("radio-b.Vkf"));
}

TEST_F(ProjectProtectionTest, SaveAsHasItsKeyAndSavingKeepsThePage) {
    WriteConfig("[config]\nLanguage=2\n");  // traditional Chinese
    OpenWindow();
    auto* saveAs = Child<QAction>("MenuFile_SaveAs");
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->text(), QString::fromUtf8("另存新檔(&A)..."));
    EXPECT_EQ(saveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    auto* pages = Child<QTabWidget>("PageControl_Home");
    pages->setCurrentIndex(1);
    const std::string first = folder.File("first.Vkf");
    modals.QueueFileName(QString::fromStdString(first));
    Key(Qt::Key_S);
    EXPECT_EQ(pages->currentIndex(), 1) << "saved from the options page, still on it";
    EXPECT_EQ(Saved(first), Project());

    const std::string second = folder.File("second.Vkf");
    modals.ClearLog();
    modals.QueueFileName(QString::fromStdString(second));
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(modals.Log().filter("file dialog").size(), 1) << "Save As always asks";
    EXPECT_TRUE(Saved(second) == Project());
    EXPECT_TRUE(window->windowTitle().startsWith("second.Vkf"));
    EXPECT_EQ(pages->currentIndex(), 1);
}

}  // namespace
}  // namespace radioprog::ui
