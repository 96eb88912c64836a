// The shared boxes answer with the button the person pressed, and in scripted mode nothing
// is shown: a queued answer is taken, and a box nobody answered says so instead of waiting.

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "gui/MessageBoxes.h"
#include "gui/ModalRunner.h"
#include "support/GuiTestSupport.h"

namespace radioprog::ui {
namespace {

using testing::Find;

// Presses the named button of the modal box once it is up.
void PressWhenShown(const char* buttonName) {
    QTimer::singleShot(0, [buttonName] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(Find<QPushButton>(box, buttonName), Qt::LeftButton);
    });
}

TEST(MessageBoxes, TheSaveQuestionReturnsThePressedButton) {
    struct Case {
        const char* button;
        ModalAnswer answer;
    };
    for (const Case& c : {Case{"OKBtn", ModalAnswer::Yes}, Case{"NoBtn", ModalAnswer::No},
                          Case{"CancelBtn", ModalAnswer::Cancel}}) {
        ModalRunner modals;
        PressWhenShown(c.button);
        EXPECT_EQ(
            modals.AskYesNoCancel(nullptr, "Do you want to save data ?", "Yes", "No", "Cannel"),
            c.answer)
            << c.button;
    }
}

TEST(MessageBoxes, TheClearQuestionIsTrueOnlyForOk) {
    ModalRunner modals;
    PressWhenShown("OKBtn");
    EXPECT_TRUE(modals.Confirm(nullptr, "Clear all data ?", "Ok", "Cannel"));
    PressWhenShown("CancelBtn");
    EXPECT_FALSE(modals.Confirm(nullptr, "Clear all data ?", "Ok", "Cannel"));
}

// A port failure's detail and a channel list error are long: the box wraps them and grows,
// up to the screen, and every line shows whole.
TEST(MessageBoxes, ALongMessageWrapsAndTheBoxGrowsToShowAllOfIt) {
    const QString longMessage = QStringLiteral(
        "Communication False\n\n/dev/pts/3 is in use by another program. Close that program, "
        "or choose another port in the Communication Port window, then start again. The line "
        "stays free for the programs you choose.\n/dev/serial/by-id/"
        "usb-1a86_USB2.0-Serial-if00-port0-a-name-without-spaces");
    for (const QString& message : {QStringLiteral("Password not match"), longMessage}) {
        TUserWarnDlg box(nullptr, message, QStringLiteral("OK"));
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        auto* label = Find<QLabel>(&box, "WarnDlgText");
        const QRect screen = box.screen()->availableGeometry();
        EXPECT_LE(box.width(), screen.width()) << message.toStdString();
        EXPECT_LE(box.height(), screen.height()) << message.toStdString();
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << message.toStdString();
        const QStringList lines = message.split('\n');
        const QString longestLine = lines.last();
        EXPECT_GE(label->width(), std::min(label->fontMetrics().horizontalAdvance(longestLine),
                                           screen.width() * 2 / 3 - 40))
            << message.toStdString();
    }
}

// A failed verify over a radio that kept none of 16 channels lists every field of each: the
// last channel's lines and OK must stay reachable on the screen.
TEST(MessageBoxes, AMessageTallerThanTheScreenScrollsAndKeepsOkInReach) {
    QStringList lines{"Verify failed: the radio does not hold what was written."};
    for (int channel = 1; channel <= 16; ++channel) {
        for (const char* field : {"RX Freq.", "TX Freq.", "QT/DQT Dec", "QT/DQT Enc", "Power"}) {
            lines << QStringLiteral("channel %1  %2: \"1\" -> \"2\"").arg(channel).arg(field);
        }
    }
    TUserWarnDlg box(nullptr, lines.join('\n'), QStringLiteral("OK"));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QRect screen = box.screen()->availableGeometry();
    EXPECT_LE(box.frameGeometry().height(), screen.height());
    auto* ok = Find<QPushButton>(&box, "OKBtn");
    EXPECT_TRUE(box.rect().contains(QRect(ok->mapTo(&box, QPoint(0, 0)), ok->size())));

    auto* scroll = Find<QScrollArea>(&box, "WarnDlgScroll");
    auto* label = Find<QLabel>(&box, "WarnDlgText");
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    // Scrolled to its end, the last channel's last line is inside the visible part.
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    const int lastLineBottom = label->mapTo(scroll->viewport(), QPoint(0, label->height())).y();
    EXPECT_LE(lastLineBottom, scroll->viewport()->height() + label->fontMetrics().height());
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
}

TEST(MessageBoxes, TheMessageBoxShowsItsTextAndClosesOnOk) {
    ModalRunner modals;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        shown = Find<QLabel>(box, "WarnDlgText")->text();
        QTest::mouseClick(Find<QPushButton>(box, "OKBtn"), Qt::LeftButton);
    });
    modals.ShowMessage(nullptr, "SUCCESS", "OK");
    EXPECT_EQ(shown, "SUCCESS");
}

TEST(MessageBoxes, ScriptedAnswersAreTakenInOrderAndAMissingOneNeverBlocks) {
    ModalRunner modals;
    modals.SetScripted(true);
    modals.QueueAnswer(ModalAnswer::No);
    modals.QueueFileName("/tmp/a.Vkf");
    modals.QueueFileName("");

    EXPECT_EQ(modals.AskYesNoCancel(nullptr, "save?", "Yes", "No", "Cannel"), ModalAnswer::No);
    EXPECT_EQ(modals.SaveFileName(nullptr, {"Save", "Veska File(*.Vkf)", "Vkf"}), "/tmp/a.Vkf");
    EXPECT_EQ(modals.OpenFileName(nullptr, {"Open", "Veska File(*.Vkf)", {}}), std::nullopt);
    modals.ShowMessage(nullptr, "SUCCESS", "OK");
    EXPECT_FALSE(modals.Confirm(nullptr, "Clear all data ?", "Ok", "Cannel"));
    QDialog dialog;
    dialog.setObjectName("TAboutDlg");
    EXPECT_EQ(modals.Exec(dialog), QDialog::Rejected);

    EXPECT_EQ(modals.Log(),
              QStringList({"save?", "file dialog: Save", "file dialog: Open", "SUCCESS",
                           "unexpected: Clear all data ?", "unexpected dialog: TAboutDlg"}));
    EXPECT_TRUE(modals.AllAnswersUsed());
}

TEST(MessageBoxes, AQueuedHandlerDrivesTheNextDialog) {
    ModalRunner modals;
    modals.SetScripted(true);
    modals.QueueDialogHandler([](QDialog& d) { d.done(7); });
    QDialog dialog;
    EXPECT_EQ(modals.Exec(dialog), 7);
}

}  // namespace
}  // namespace radioprog::ui
