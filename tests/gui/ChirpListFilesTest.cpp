// Story: a technician exports the channels for another programmer in the multi-radio format,
// and imports a plan kept there at location 0 with a long name, asking the import dialog to
// shorten the names and to place the rows from channel 1.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "channellist/ChirpCsv.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "support/ImportDialogDriver.h"
#include "support/PageHarness.h"

namespace radioprog::ui {
namespace {

class ChirpListFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProjectImage& image = harness.data.image;
        image.Channel(2).InitialiseNew(430012500);
        image.Channel(2).SetRxTone(kToneCtcss, 885);
        image.SetChannelValid(2, true);
        harness.Build();
        ChannelPage* page = harness.page.get();
        editing =
            new ChannelEditing(harness.context, page, *page, [page] { page->RefreshFromModel(); });
    }
    void TearDown() override { testing::CloseStrayWindows(); }

    static void Write(const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    testing::PageHarness<ChannelPage> harness;
    ChannelEditing* editing = nullptr;
    QTemporaryDir folder;
};

TEST_F(ChirpListFilesTest, TheSecondFilterExportsTheMultiRadioFormat) {
    const QString path = folder.filePath("plan.csv");
    harness.modals.QueueFileName(path);
    harness.modals.QueueFilterChoice(1);
    editing->Actions().exportChannels->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), ExportChannelsChirpCsv(harness.data.image));
    EXPECT_TRUE(harness.modals.AllAnswersUsed());
}

TEST_F(ChirpListFilesTest, APlanAtOtherLocationsWithLongNamesIsTakenWhenTheUserAsks) {
    const QString path = folder.filePath("plan.csv");
    Write(path,
          "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
          "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
          "0,PMR CHANNEL "
          "1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,\r\n");
    const std::vector<uint8_t> before(harness.data.image.Raw().begin(),
                                      harness.data.image.Raw().end());

    // The row does not fit as it is: it stays unticked, its reason shown, and Import is off.
    harness.modals.QueueFileName(path);
    harness.modals.QueueDialogHandler([](QDialog& dialog) {
        auto* rows = testing::Find<QTableWidget>(&dialog, "ImportRows");
        EXPECT_EQ(rows->item(0, 0)->checkState(), Qt::Unchecked);
        EXPECT_TRUE(rows->item(0, 3)->text().contains("longer than the 6 bytes"))
            << rows->item(0, 3)->text().toStdString();
        EXPECT_FALSE(testing::Find<QPushButton>(&dialog, "ImportBtn")->isEnabled());
        dialog.reject();
    });
    editing->Actions().importChannels->trigger();
    EXPECT_TRUE(std::ranges::equal(harness.data.image.Raw(), before));

    // Names shortened: it now fits but names no channel, so it goes to the first free one;
    // placed in order from channel 1 it goes there.
    harness.modals.QueueFileName(path);
    harness.modals.QueueDialogHandler([](QDialog& dialog) {
        auto* rows = testing::Find<QTableWidget>(&dialog, "ImportRows");
        testing::Toggle(testing::Find<QCheckBox>(&dialog, "ImportShortenNames"));
        rows->item(0, 0)->setCheckState(Qt::Checked);
        EXPECT_EQ(testing::Find<QSpinBox>(&dialog, "ImportChannel_1")->value(), 1);
        testing::Toggle(testing::Find<QCheckBox>(&dialog, "ImportRenumber"));
        EXPECT_EQ(rows->item(0, 3)->text(), "Fits");
        testing::ClickImport(dialog);
    });
    editing->Actions().importChannels->trigger();
    EXPECT_TRUE(harness.modals.AllAnswersUsed()) << harness.modals.Log().join("|").toStdString();
    EXPECT_TRUE(harness.modals.Log().last().contains("1 name was shortened"))
        << harness.modals.Log().last().toStdString();
    EXPECT_EQ(harness.data.image.Channel(1).RxFreq(), 446006250u);
    EXPECT_FALSE(harness.data.image.Channel(1).Wide());
    EXPECT_EQ(harness.data.image.Text(ChannelNameField(1)), "PMR CH");
    EXPECT_TRUE(harness.data.image.IsChannelValid(2)) << "a channel without a row stays";
}

}  // namespace
}  // namespace radioprog::ui

namespace radioprog::ui {
namespace {

// The real save dialog (Qt's own, offscreen): the filter a person picks is the one reported.
TEST(SaveDialogFilters, TheChosenFilterIsReported) {
    QTemporaryDir folder;
    const QString path = folder.filePath("plan.csv");
    const QString filters = QStringLiteral("Channel list(*.csv);;CHIRP channel list(*.csv)");
    for (const int chosen : {0, 1}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(filters.split(QStringLiteral(";;"))[chosen]);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog checks the name first
        });
        ModalRunner modals;
        const auto result = modals.SaveFileNameAndFilter(
            nullptr, {QStringLiteral("Export channels"), filters, QStringLiteral("csv")});
        ASSERT_TRUE(result);
        EXPECT_EQ(result->first, path);
        EXPECT_EQ(result->second, chosen);
    }
}

}  // namespace
}  // namespace radioprog::ui
